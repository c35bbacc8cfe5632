#pragma once

#include <QProxyStyle>

// The program's look over the platform's style: message boxes show the program's own pictures,
// and the buttons of Qt's dialogs carry no stock pictures (a green tick, a red cross) beside them.
class ProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Over the given style, or over the platform's own when none is given.
    explicit ProgramStyle(QStyle* base = nullptr);

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
        QStyleHintReturn* data = nullptr) const override;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
        const QWidget* widget = nullptr) const override;
};
