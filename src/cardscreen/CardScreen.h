#pragma once

#include "CardForm.h"
#include "RecordCard.h"

#include <QHash>
#include <QKeySequence>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class StatusLine;

// The card screen every archive screen stands on: one record of the archive at a time, typed,
// saved, browsed and found, with its Enter chain, field highlights, status line and typing rules.
// Each screen gives its form and adds only what is its own.
class CardScreen : public QWidget, public CardView {
    Q_OBJECT
public:
    // The data control of a record field ("txt" + field): a line edit or an editable combo box.
    QWidget* control(const QString& field) const { return m_controls.value(field); }
    QString text(const QString& field) const;
    void setText(const QString& field, const QString& text);
    // A button of the button bar, or the small button beside a field, by its name.
    QToolButton* barButton(const QString& name) const { return m_barButtons.value(name); }
    QPushButton* fieldButton(const QString& name) const { return m_fieldButtons.value(name); }

    QLabel* lblPosizione;
    QLabel* lblFile01;
    QLabel* lblFile02;
    QLabel* lblFile03;
    QLabel* lblDesc01;
    QLabel* lblDesc02;
    QLabel* lblDesc03;
    QCheckBox* chkAnnullata;
    QLabel* panInfo;
    QToolButton* cmdNuovo;
    QToolButton* cmdSalva;
    QToolButton* cmdTrova;
    QToolButton* cmdPrimo;
    QToolButton* cmdIndietro;
    QToolButton* cmdAvanti;
    QToolButton* cmdUltimo;
    QToolButton* cmdGuida;
    QToolButton* cmdEsci;

    // The card protocol's view of this screen.
    QWidget* cardWindow() override { return this; }
    QString position() const override;
    void setPosition(const QString& position) override;
    void showRecord(const QByteArray& record) override;
    QByteArray cardRecord() const override;
    // The card's save checks, those of every card of its archive.
    bool checkCard() override;
    void clearCard() override;

signals:
    // The screen was closed: the main menu comes back.
    void closed();

protected:
    CardScreen(const CardForm& form, QWidget* parent);
    // Builds the screen; called once by the named screen's constructor, so that the hooks below
    // are its own.
    void build();

    // The section boxes, in order, arranged into the area between the button bar and the status
    // line. The default stacks them.
    virtual QWidget* arrangeSections(const QList<QFrame*>& sections);
    // Values of the record that no data control shows (hidden labels of the screen's own).
    virtual void showExtraValues(const QHash<QString, QString>& values);
    virtual void addExtraValues(QHash<QString, QString>& values) const;
    // The fixed starting texts of a new card, after every control has been emptied.
    virtual void setNewCardTexts() {}
    // A key press in a field; true when the screen has dealt with it.
    virtual bool fieldKeyPress(const QString& field, QKeyEvent* event);
    // Whether a paste, a drop or a middle click into the field is refused.
    virtual bool refusesPaste(const QString& field) const;

    // The grid of a section box (label, field, label, field columns), for a screen's own extras.
    QGridLayout* sectionGrid(int section) const { return m_grids.value(section); }
    // Runs one check of a field that must be filled: the warning, the focus, false, when it is empty.
    bool requireFilled(const CardCheck& check);
    void focusField(const QString& field);
    // Loads the values handed back by a search window, as browsing loads a record.
    void openSearch(const SearchTable& table);
    // Loads record n from its values, as browsing does.
    void loadValues(qint64 n, const QHash<QString, QString>& values);
    // The attachment window over the card's six hidden labels, with the caller's mode word.
    void openAttachments(const QString& mode);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    const CardForm& m_form;
    RecordCard m_card;

private:
    QWidget* buildFields();
    QWidget* buildButtonBar();
    QWidget* makeControl(const CardField& field);
    void applyTyping(const CardField& field, QLineEdit* edit);
    QHash<QString, QLabel*> hiddenLabels() const;
    // The card's texts by record field, as they are about to be stored.
    QHash<QString, QString> cardValues() const;
    void showValues(const QHash<QString, QString>& values);

    StatusLine* m_status = nullptr;
    QHash<QString, QWidget*> m_controls;
    QHash<QString, const CardField*> m_fields;
    QHash<QString, QToolButton*> m_barButtons;
    QHash<QString, QPushButton*> m_fieldButtons;
    QList<QGridLayout*> m_grids;
    QStringList m_chain; // fields in Enter order
    QList<QKeySequence> m_windowKeys; // the keys of the bar's commands, which no field may keep
};
