#pragma once

#include "CardScreen.h"
#include "CatalogueTable.h"

// The book and DVD card screens: the card screen with a validated identification code, the loan
// texts written by the loan desk, duplication and the web search; and their read-only twins.
class CatalogueScreen : public CardScreen {
    Q_OBJECT
public:
    QLabel* txtConvalida;
    QToolButton* cmdDuplica;
    QToolButton* cmdFile;
    QToolButton* cmdStampa;
    QToolButton* cmdEsporta;
    QToolButton* cmdImporta;
    QToolButton* cmdDisponibili;
    QPushButton* btnCodice;
    QPushButton* btnDewey;
    QPushButton* btnGoogle;

    void clearForDuplicate() override;
    void focusCode() override;
    void keepStoredFields(const QByteArray& stored, QByteArray& record) const override;

protected:
    CatalogueScreen(const CatalogueTable& table, QWidget* parent);

    void showExtraValues(const QHash<QString, QString>& values) override;
    void addExtraValues(QHash<QString, QString>& values) const override;
    void setNewCardTexts() override;
    bool fieldKeyPress(const QString& field, QKeyEvent* event) override;
    bool refusesPaste(const QString& field) const override;

private:
    void btnCodiceClick();
    void btnDeweyClick();
    void btnGoogleClick();

    const CatalogueTable& m_table;
};

class TfrmLibri : public CatalogueScreen {
    Q_OBJECT
public:
    explicit TfrmLibri(QWidget* parent = nullptr);
};

class TfrmDVD : public CatalogueScreen {
    Q_OBJECT
public:
    explicit TfrmDVD(QWidget* parent = nullptr);
};

// The read-only catalogue for visitors: the book and DVD card screens, looked at, never changed.
class TfrmConsultaLibri : public CatalogueScreen {
    Q_OBJECT
public:
    explicit TfrmConsultaLibri(QWidget* parent = nullptr);
};

class TfrmConsultaDVD : public CatalogueScreen {
    Q_OBJECT
public:
    explicit TfrmConsultaDVD(QWidget* parent = nullptr);
};
