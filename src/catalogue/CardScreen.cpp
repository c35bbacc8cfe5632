#include "CardScreen.h"

#include "CodeValidation.h"
#include "FieldHighlight.h"
#include "MessageBox.h"
#include "Modal.h"
#include "RecordType.h"
#include "SearchWindow.h"
#include "ShortString.h"
#include "StatusLine.h"
#include "TMisc.h"
#include "TfrmGuida.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kReady = QStringLiteral("Pronto per archiviare una nuova scheda...");
const QString kToValidate = QStringLiteral("CODICE DA CONVALIDARE:  ");
const QString kWebSearch = QStringLiteral("https://www.google.com/search?q=");
const QString kWebFailed = QStringLiteral(
    "Attenzione: il sistema non permette di collegarsi al motore di ricerca di Google.\n\r\n\r"
    "Accertarsi che la propria connessione a Internet funzioni correttamente.");
const QColor kCrimson(0xDC, 0x14, 0x3C);
const QColor kInk(0x1F, 0x3A, 0x5F);
const char* const kAttachments[] = {"File01", "File02", "File03", "Desc01", "Desc02", "Desc03"};

QFont fieldFont()
{
    QFont font(QStringLiteral("Verdana"), 12);
    font.setBold(true);
    return font;
}

QFrame* whiteBox(QWidget* parent)
{
    auto* box = new QFrame(parent);
    box->setObjectName(QStringLiteral("box"));
    box->setStyleSheet(
        QStringLiteral("QFrame#box { background: white; border: 1px solid #b8c7d9; border-radius: 8px; }"));
    return box;
}

} // namespace

CardScreen::CardScreen(const CardTable& table, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_table(table)
    , m_card(*this, table.type->archive())
{
    setObjectName(table.objectName);
    setWindowTitle(table.caption);
    setMinimumSize(1040, 740);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panContainer"));
    panel->setFixedSize(1016, 713);

    panInfo = new QLabel(kReady, panel);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setStyleSheet(QStringLiteral("QLabel { background: #2e5f8f; color: white; font: 12pt 'Tahoma'; "
                                          "padding: 3px 10px; border-radius: 4px; }"));
    panInfo->setFixedHeight(30);
    m_status = new StatusLine(panInfo);

    txtConvalida = new QLabel(ShortString::kNo, panel);
    txtConvalida->setObjectName(QStringLiteral("txtConvalida"));
    txtConvalida->hide();
    lblFile01 = new QLabel(panel);
    lblFile02 = new QLabel(panel);
    lblFile03 = new QLabel(panel);
    lblDesc01 = new QLabel(panel);
    lblDesc02 = new QLabel(panel);
    lblDesc03 = new QLabel(panel);
    const QHash<QString, QLabel*> labels = hiddenLabels();
    for (auto it = labels.begin(); it != labels.end(); ++it) {
        it.value()->setObjectName(QStringLiteral("lbl") + it.key());
        it.value()->hide();
    }

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(buildButtonBar());
    layout->addWidget(buildFields(), 1);
    layout->addWidget(panInfo);

    auto* outer = new QGridLayout(this);
    outer->addWidget(panel, 0, 0, Qt::AlignCenter);

    for (auto it = m_table.statusTexts.begin(); it != m_table.statusTexts.end(); ++it) {
        if (auto* control = findChild<QWidget*>(it.key()))
            m_status->describe(control, it.value());
    }
    m_status->clearOver(this);
    m_status->clearOver(panel);
    // Fields keep their mouse moves to themselves, so each without a text of its own empties the line.
    for (QWidget* control : std::as_const(m_controls)) {
        if (m_table.statusTexts.contains(control->objectName()))
            continue;
        m_status->clearOver(control);
        if (auto* combo = qobject_cast<QComboBox*>(control))
            m_status->clearOver(combo->lineEdit());
    }
    // The highlights stand in the fields' parents, which the layouts have given them by now.
    for (auto it = m_controls.begin(); it != m_controls.end(); ++it)
        FieldHighlight::attach(it.value(), it.key());

    connect(cmdNuovo, &QToolButton::clicked, this, [this] { m_card.newCard(); });
    connect(cmdDuplica, &QToolButton::clicked, this, [this] { m_card.duplicate(); });
    connect(cmdSalva, &QToolButton::clicked, this, [this] { m_card.save(); });
    connect(cmdPrimo, &QToolButton::clicked, this, [this] { m_card.first(); });
    connect(cmdIndietro, &QToolButton::clicked, this, [this] { m_card.previous(); });
    connect(cmdAvanti, &QToolButton::clicked, this, [this] { m_card.next(); });
    connect(cmdUltimo, &QToolButton::clicked, this, [this] { m_card.last(); });
    connect(cmdTrova, &QToolButton::clicked, this, [this] { openSearch(*m_table.findTable); });
    connect(cmdDisponibili, &QToolButton::clicked, this, [this] { openSearch(*m_table.availableTable); });
    connect(cmdGuida, &QToolButton::clicked, this, [this] { TfrmGuida::showTopic(this, m_table.helpTopic); });
    connect(cmdEsci, &QToolButton::clicked, this, &QWidget::close);
    connect(btnCodice, &QPushButton::clicked, this, &CardScreen::btnCodiceClick);
    connect(btnGoogle, &QPushButton::clicked, this, &CardScreen::btnGoogleClick);
}

QWidget* CardScreen::buildButtonBar()
{
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);

    auto tool = [this](QWidget* group, const char* name, const QString& text, Artwork::Symbol symbol) {
        auto* b = new QToolButton(group);
        b->setObjectName(QLatin1String(name));
        b->setText(text);
        b->setIcon(QIcon(Artwork::glyph(symbol, 64, kInk)));
        b->setIconSize(QSize(30, 30));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setAutoRaise(true);
        b->setCursor(Qt::PointingHandCursor);
        b->setMinimumWidth(std::max(62, b->fontMetrics().horizontalAdvance(text) + 14));
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    auto group = [&](std::initializer_list<QWidget*> parts, QFrame* box) {
        auto* inner = new QHBoxLayout(box);
        inner->setContentsMargins(6, 2, 6, 2);
        inner->setSpacing(2);
        for (QWidget* part : parts)
            inner->addWidget(part);
        m_status->clearOver(box);
        row->addWidget(box);
    };
    using S = Artwork::Symbol;
    QFrame* g1 = whiteBox(bar);
    cmdNuovo = tool(g1, "cmdNuovo", QStringLiteral("Nuovo"), S::New);
    cmdDuplica = tool(g1, "cmdDuplica", QStringLiteral("Duplica"), S::Duplicate);
    cmdSalva = tool(g1, "cmdSalva", QStringLiteral("Salva"), S::Save);
    cmdTrova = tool(g1, "cmdTrova", QStringLiteral("Trova"), S::Catalogue);
    group({cmdNuovo, cmdDuplica, cmdSalva, cmdTrova}, g1);
    QFrame* g2 = whiteBox(bar);
    cmdFile = tool(g2, "cmdFile", QStringLiteral("Allega"), S::Attach);
    group({cmdFile}, g2);
    QFrame* g3 = whiteBox(bar);
    cmdStampa = tool(g3, "cmdStampa", QStringLiteral("Stampa"), S::Print);
    group({cmdStampa}, g3);
    QFrame* g4 = whiteBox(bar);
    cmdPrimo = tool(g4, "cmdPrimo", QStringLiteral("Primo"), S::First);
    cmdIndietro = tool(g4, "cmdIndietro", QStringLiteral("Indietro"), S::Previous);
    lblPosizione = new QLabel(g4);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setMinimumWidth(70);
    QFont position(QStringLiteral("Verdana"), 12);
    position.setBold(true);
    lblPosizione->setFont(position);
    cmdAvanti = tool(g4, "cmdAvanti", QStringLiteral("Avanti"), S::Next);
    cmdUltimo = tool(g4, "cmdUltimo", QStringLiteral("Ultimo"), S::Last);
    group({cmdPrimo, cmdIndietro, lblPosizione, cmdAvanti, cmdUltimo}, g4);
    QFrame* g5 = whiteBox(bar);
    cmdEsporta = tool(g5, "cmdEsporta", QStringLiteral("Esporta"), S::Export);
    cmdDisponibili = tool(g5, "cmdDisponibili", QStringLiteral("Disponibili"), S::Available);
    group({cmdEsporta, cmdDisponibili}, g5);
    row->addStretch();
    QFrame* g6 = whiteBox(bar);
    cmdGuida = tool(g6, "cmdGuida", QStringLiteral("Guida"), S::Help);
    cmdEsci = tool(g6, "cmdEsci", QStringLiteral("Esci"), S::Exit);
    group({cmdGuida, cmdEsci}, g6);

    // Attachments, sheet printing and export come with their own windows.
    cmdFile->setEnabled(false);
    cmdStampa->setEnabled(false);
    cmdEsporta->setEnabled(false);
    return bar;
}

QWidget* CardScreen::buildFields()
{
    auto* area = new QWidget;
    auto* sections = new QVBoxLayout(area);
    sections->setContentsMargins(0, 0, 0, 0);
    sections->setSpacing(8);

    QGridLayout* grid = nullptr;
    QHBoxLayout* cell = nullptr;
    // A cell of narrow fields keeps them together on its left.
    bool narrowCell = false;
    const auto closeCell = [&] {
        if (cell && narrowCell)
            cell->addStretch();
    };
    int row = -1;
    int section = -1;
    for (const CardField& field : m_table.fields) {
        if (field.section != section) {
            section = field.section;
            QFrame* box = whiteBox(area);
            auto* inner = new QHBoxLayout(box);
            inner->setContentsMargins(8, 8, 12, 8);
            inner->setSpacing(12);
            auto* picture = new QLabel(box);
            picture->setObjectName(QStringLiteral("imgSezione%1").arg(section + 1));
            picture->setPixmap(Artwork::icon(m_table.sectionPictures.at(size_t(section)), 44));
            picture->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            picture->setFixedWidth(52);
            inner->addWidget(picture);
            grid = new QGridLayout;
            // The same columns in every section, so that labels and fields line up down the card.
            grid->setHorizontalSpacing(8);
            grid->setVerticalSpacing(9);
            grid->setColumnMinimumWidth(0, 128);
            grid->setColumnMinimumWidth(1, 330);
            grid->setColumnMinimumWidth(2, 118);
            grid->setColumnMinimumWidth(3, 330);
            inner->addLayout(grid, 1);
            sections->addWidget(box);
            m_status->clearOver(box);
            m_status->clearOver(picture);
        }
        auto* label = new QLabel(QString::fromUtf8(field.label));
        QFont labelFont = label->font();
        labelFont.setBold(true);
        label->setFont(labelFont);
        label->setStyleSheet(QStringLiteral("color: #1f3a5f;"));
        QWidget* control = makeControl(field);

        if (field.place == CardField::Place::Beside) {
            cell->addSpacing(10);
            cell->addWidget(label);
            cell->addWidget(control, field.narrow ? 0 : 1);
        } else {
            closeCell();
            narrowCell = field.narrow;
            if (field.place != CardField::Place::Right)
                ++row;
            cell = new QHBoxLayout;
            cell->setSpacing(6);
            cell->addWidget(control, field.narrow ? 0 : 1);
            const int column = field.place == CardField::Place::Right ? 2 : 0;
            grid->addWidget(label, row, column, Qt::AlignRight | Qt::AlignVCenter);
            if (field.place == CardField::Place::Row)
                grid->addLayout(cell, row, 1, 1, 3);
            else
                grid->addLayout(cell, row, column + 1);
        }
        if (field.button) {
            auto* button = new QPushButton(control->parentWidget());
            button->setObjectName(QLatin1String(field.button));
            const QString name = QLatin1String(field.button);
            const Artwork::Symbol symbol = name == QLatin1String("btnCodice") ? Artwork::Symbol::Check
                : name == QLatin1String("btnDewey")                           ? Artwork::Symbol::Catalogue
                                                                              : Artwork::Symbol::Web;
            button->setIcon(QIcon(Artwork::glyph(symbol, 48, kInk)));
            button->setIconSize(QSize(20, 20));
            button->setFixedSize(34, 30);
            button->setCursor(Qt::PointingHandCursor);
            button->setFocusPolicy(Qt::NoFocus);
            cell->addWidget(button);
            if (name == QLatin1String("btnCodice"))
                btnCodice = button;
            else if (name == QLatin1String("btnDewey"))
                btnDewey = button;
            else
                btnGoogle = button;
        }
    }
    sections->addStretch(1);
    // The cancelled box closes the last row, beside the due date.
    chkAnnullata = new QCheckBox(QStringLiteral("Annullata"));
    chkAnnullata->setObjectName(QStringLiteral("chkAnnullata"));
    chkAnnullata->setFont(fieldFont());
    auto* cancelledIcon = new QLabel;
    cancelledIcon->setPixmap(Artwork::glyph(Artwork::Symbol::Cancelled, 22, kCrimson));
    cell->addSpacing(12);
    cell->addWidget(cancelledIcon);
    cell->addWidget(chkAnnullata);
    closeCell();

    if (btnDewey)
        btnDewey->setEnabled(false); // the Dewey table comes with its own window
    return area;
}

QWidget* CardScreen::makeControl(const CardField& field)
{
    const QString name = QLatin1String(field.field);
    QWidget* control = nullptr;
    if (field.kind == CardField::Kind::Combo) {
        auto* combo = new QComboBox;
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->addItems(field.items());
        combo->setMaxVisibleItems(20);
        combo->lineEdit()->setMaxLength(field.maxLength);
        combo->setCurrentIndex(-1);
        control = combo;
    } else {
        auto* edit = new QLineEdit;
        edit->setMaxLength(field.typedLimit ? field.typedLimit : field.maxLength);
        if (field.typedLimit)
            m_typedLimits.insert(name, field.typedLimit);
        if (field.kind == CardField::Kind::ReadOnly) {
            edit->setReadOnly(true);
            QPalette p = edit->palette();
            p.setColor(QPalette::Text, kCrimson);
            edit->setPalette(p);
        }
        control = edit;
    }
    control->setObjectName(QStringLiteral("txt") + name);
    control->setFont(fieldFont());
    control->setMinimumHeight(28);
    if (field.narrow)
        control->setFixedWidth(field.maxLength <= 4 ? 64 : 96);
    control->installEventFilter(this);
    m_controls.insert(name, control);
    m_chain << name;
    return control;
}

QHash<QString, QLabel*> CardScreen::hiddenLabels() const
{
    return {{QStringLiteral("File01"), lblFile01}, {QStringLiteral("File02"), lblFile02},
        {QStringLiteral("File03"), lblFile03}, {QStringLiteral("Desc01"), lblDesc01},
        {QStringLiteral("Desc02"), lblDesc02}, {QStringLiteral("Desc03"), lblDesc03}};
}

QString CardScreen::text(const QString& field) const
{
    QWidget* control = m_controls.value(field);
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->currentText();
    return QString();
}

void CardScreen::setText(const QString& field, const QString& text)
{
    QWidget* control = m_controls.value(field);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        // A stored text longer than may be typed is shown whole, and can be shortened but not lengthened.
        if (const int limit = m_typedLimits.value(field))
            edit->setMaxLength(std::max(limit, int(text.size())));
        edit->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        combo->setEditText(text);
    }
}

QString CardScreen::position() const
{
    return lblPosizione->text();
}

void CardScreen::setPosition(const QString& position)
{
    lblPosizione->setText(position);
}

void CardScreen::showRecord(const QByteArray& record)
{
    showValues(m_table.type->values(record.constData()));
}

void CardScreen::showValues(const QHash<QString, QString>& values)
{
    const QHash<QString, QLabel*> labels = hiddenLabels();
    for (auto it = values.begin(); it != values.end(); ++it) {
        if (m_controls.contains(it.key()))
            setText(it.key(), it.value());
        else if (labels.contains(it.key()))
            labels.value(it.key())->setText(it.value());
        else if (it.key() == QLatin1String("Convalida"))
            txtConvalida->setText(it.value());
        else if (it.key() == QLatin1String("Annullata")
            && (it.value() == ShortString::kYes || it.value() == ShortString::kNo))
            chkAnnullata->setChecked(it.value() == ShortString::kYes);
    }
}

QByteArray CardScreen::cardRecord() const
{
    QHash<QString, QString> values;
    for (auto it = m_controls.begin(); it != m_controls.end(); ++it)
        values.insert(it.key(), text(it.key()));
    const QHash<QString, QLabel*> labels = hiddenLabels();
    for (auto it = labels.begin(); it != labels.end(); ++it)
        values.insert(it.key(), it.value()->text());
    values.insert(QStringLiteral("Convalida"), txtConvalida->text());
    values.insert(
        QStringLiteral("Annullata"), chkAnnullata->isChecked() ? ShortString::kYes : ShortString::kNo);
    return m_table.type->record(values);
}

bool CardScreen::checkCard()
{
    for (const CardCheck& check : m_table.checks) {
        const QString field = QLatin1String(check.field);
        const bool failed = field == QLatin1String("Convalida")
            ? ShortString::trimmed(txtConvalida->text()) == ShortString::kNo
            : ShortString::trimmed(text(field)).isEmpty();
        if (failed) {
            MessageBox::warning(this, check.message);
            focusField(QLatin1String(check.focus));
            return false;
        }
    }
    return true;
}

void CardScreen::clearCard()
{
    for (auto it = m_controls.begin(); it != m_controls.end(); ++it) {
        if (auto* combo = qobject_cast<QComboBox*>(it.value()))
            combo->setCurrentIndex(-1);
        setText(it.key(), QString());
    }
    setText(QStringLiteral("Prestato"), m_table.availableText);
    txtConvalida->setText(ShortString::kNo);
    chkAnnullata->setChecked(false);
    for (QLabel* label : hiddenLabels())
        label->clear();
    focusField(m_chain.first());
}

void CardScreen::clearForDuplicate()
{
    setText(QStringLiteral("Codice"), QString());
    setText(QStringLiteral("Prestato"), m_table.availableText);
    setText(QStringLiteral("Scadenza"), QString());
    txtConvalida->setText(ShortString::kNo);
    chkAnnullata->setChecked(false);
    for (QLabel* label : hiddenLabels())
        label->clear();
}

void CardScreen::focusCode()
{
    focusField(QStringLiteral("Codice"));
}

void CardScreen::focusField(const QString& field)
{
    if (QWidget* control = m_controls.value(field))
        control->setFocus();
}

void CardScreen::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        m_card.newCard();
}

void CardScreen::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

bool CardScreen::eventFilter(QObject* watched, QEvent* event)
{
    auto* control = qobject_cast<QWidget*>(watched);
    const QString field = control ? m_controls.key(control) : QString();
    if (field.isEmpty())
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (field == QLatin1String("Codice"))
            return codeKeyPress(key);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            focusField(m_chain.at((m_chain.indexOf(field) + 1) % m_chain.size()));
            return true;
        }
        break;
    }
    case QEvent::KeyRelease:
        if (m_table.upperCaseField && field == QLatin1String(m_table.upperCaseField)) {
            auto* edit = static_cast<QLineEdit*>(control);
            const int cursor = edit->cursorPosition();
            edit->setText(ShortString::upperAToZ(ShortString::trimmed(edit->text())));
            edit->setCursorPosition(std::min(cursor, int(edit->text().size())));
        }
        break;
    case QEvent::FocusIn:
        // The list is only a typing aid: no item stays chosen, the text stays as it is.
        if (auto* combo = qobject_cast<QComboBox*>(control)) {
            const QString kept = combo->currentText();
            combo->setCurrentIndex(-1);
            combo->setEditText(kept);
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        // The middle button pastes the selection: not into a stored card's code.
        if (static_cast<QMouseEvent*>(event)->button() != Qt::MiddleButton)
            break;
        [[fallthrough]];
    case QEvent::ContextMenu:
    case QEvent::Drop:
    case QEvent::InputMethod:
        // A stored card's code can be looked at, not changed.
        return field == QLatin1String("Codice") && !position().isEmpty();
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool CardScreen::codeKeyPress(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusField(QStringLiteral("Scaffale"));
        return true;
    }
    if (position().isEmpty())
        return false;
    const int key = event->key();
    return key != Qt::Key_Left && key != Qt::Key_Right && key != Qt::Key_Tab && key != Qt::Key_Backtab;
}

void CardScreen::btnCodiceClick()
{
    const QString code = ShortString::trimmed(text(QStringLiteral("Codice")));
    if (code.isEmpty()) {
        MessageBox::warning(this, m_table.codeMissing);
        return focusCode();
    }
    if (!position().isEmpty()) {
        MessageBox::information(this, m_table.codeAlreadyValidated);
        return focusCode();
    }
    CodeValidation window(*m_table.validation, code, this);
    window.txtCodice->setText(kToValidate + code);
    connect(&window, &CodeValidation::validated, txtConvalida, &QLabel::setText);
    Modal::exec(window);
}

void CardScreen::btnGoogleClick()
{
    const QString field = QLatin1String(m_table.webField);
    const QString searched = ShortString::trimmed(text(field));
    if (searched.isEmpty()) {
        MessageBox::warning(this, m_table.webMissing);
        return focusField(field);
    }
    if (!TMisc::Open(QLatin1Char('"') + kWebSearch + m_table.webPrefix + searched + QLatin1Char('"')))
        MessageBox::warning(this, kWebFailed);
}

void CardScreen::openSearch(const SearchTable& table)
{
    SearchWindow window(table, this);
    window.lblMemory->setText(m_table.marker);
    connect(&window, &SearchWindow::recordChosen, this,
        [this](qint64 position, const QHash<QString, QString>& values) {
            showValues(values);
            setPosition(QString::number(position));
        });
    Modal::exec(window);
}

TfrmLibri::TfrmLibri(QWidget* parent)
    : CardScreen(booksCard(), parent)
{
}

TfrmDVD::TfrmDVD(QWidget* parent)
    : CardScreen(dvdsCard(), parent)
{
}
