#include "CardScreen.h"

#include "BarButton.h"
#include "CardRules.h"
#include "DigitsOnly.h"
#include "EnterKey.h"
#include "FieldHighlight.h"
#include "FieldText.h"
#include "FocusFrame.h"
#include "Keys.h"
#include "MessageBox.h"
#include "Modal.h"
#include "RecordType.h"
#include "SearchWindow.h"
#include "ShortString.h"
#include "StatusLine.h"
#include "TfrmAllegaCartella.h"
#include "TfrmGuida.h"
#include "WindowParts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QColor kCrimson(0xDC, 0x14, 0x3C);
const QColor kInk(0x1F, 0x3A, 0x5F);
const QColor kReadOnlyBase(0xEC, 0xF0, 0xF4);
// The panel every card screen is laid out in.
const QSize kPanel(1016, 713);
// The key that presses the button at a field's right, from the field.
const QKeySequence kFieldButtonKey(Qt::Key_F4);
const QString kFieldButtonKeyName = QStringLiteral("F4 nel campo");

QFont fieldFont()
{
    QFont font(QStringLiteral("Verdana"), 12);
    font.setBold(true);
    return font;
}

// Puts the text a typing rule wants into the field, the cursor staying where it was (or at the
// end of a shorter text).
void replaceText(QLineEdit* edit, const QString& text)
{
    const int cursor = edit->cursorPosition();
    edit->setText(text);
    edit->setCursorPosition(std::min(cursor, int(text.size())));
}

// The field's capacity in the record layout: the most any of its controls may hold.
int capacityOf(const RecordType& type, const char* field)
{
    return type.spot(QLatin1String(field)).capacity;
}

} // namespace

std::vector<BarButton> browsingGroup()
{
    std::vector<BarButton> group;
    for (const BrowsingButton& b : kBrowsingButtons) {
        if (group.size() == 2)
            group.push_back({"lblPosizione", QString(), Artwork::Symbol::First});
        group.push_back({b.name, QString::fromUtf8(b.text), b.symbol});
    }
    return group;
}

CardScreen::CardScreen(const CardForm& form, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_form(form)
    , m_card(*this, form.type->archive())
{
}

void CardScreen::build()
{
    setObjectName(m_form.objectName);
    setWindowTitle(m_form.caption);
    setMinimumSize(640, 480);
    resize(kPanel + QSize(24, 24));

    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("panContainer"));
    // The panel is laid out for kPanel; on a lower screen it gives up its spare room first, and
    // scrolls only below the height its fields need.
    panel->setFixedWidth(kPanel.width());
    panel->setMaximumHeight(kPanel.height());

    panInfo = StatusLine::panel(m_form.readyText, panel);
    m_status = new StatusLine(panInfo);

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

    // The panel keeps its size; on a screen smaller than the panel, scroll bars appear.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrollArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setWidgetResizable(true);
    // No stop of the Tab key on the area itself, which shows no focus.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidget(panel);
    scroll->setStyleSheet(QStringLiteral("QScrollArea, QScrollArea > QWidget > QWidget#qt_scrollarea_viewport "
                                         "{ background: transparent; }"));
    scroll->viewport()->setAutoFillBackground(false);
    panel->setAutoFillBackground(false);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    for (auto it = m_form.statusTexts.begin(); it != m_form.statusTexts.end(); ++it) {
        if (m_fieldButtons.contains(it.key()))
            m_status->describe(m_fieldButtons.value(it.key()), it.value(), kFieldButtonKeyName);
        else if (auto* control = findChild<QWidget*>(it.key()))
            m_status->describe(control, it.value());
    }
    // Every other part of the screen (panels, captions, pictures, fields) empties the line.
    m_status->clearOver(this);
    for (QWidget* widget : findChildren<QWidget*>()) {
        if (!m_form.statusTexts.contains(widget->objectName()) && widget != panInfo)
            m_status->clearOver(widget);
    }
    // The highlights stand in the fields' parents, which the layouts have given them by now.
    for (auto it = m_controls.begin(); it != m_controls.end(); ++it)
        FieldHighlight::attach(it.value(), it.key());

    // A read-only screen has neither New nor Save nor Help.
    if (cmdNuovo) {
        connect(cmdNuovo, &QToolButton::clicked, this, [this] {
            m_card.newCard();
            focusField(m_chain.first());
        });
    }
    if (cmdSalva)
        connect(cmdSalva, &QToolButton::clicked, this, [this] { m_card.save(); });
    connect(cmdPrimo, &QToolButton::clicked, this, [this] { m_card.first(); });
    connect(cmdIndietro, &QToolButton::clicked, this, [this] { m_card.previous(); });
    connect(cmdAvanti, &QToolButton::clicked, this, [this] { m_card.next(); });
    connect(cmdUltimo, &QToolButton::clicked, this, [this] { m_card.last(); });
    connect(cmdTrova, &QToolButton::clicked, this, [this] { openSearch(*m_form.findTable); });
    if (cmdGuida)
        connect(cmdGuida, &QToolButton::clicked, this, [this] { TfrmGuida::showTopic(this, m_form.helpTopic); });
    connect(cmdEsci, &QToolButton::clicked, this, &QWidget::close);
    // Enter on a field button presses it; in a field it keeps moving along the chain.
    pressButtonsOnEnter(this);
}

QWidget* CardScreen::buildButtonBar()
{
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);

    const auto tool = [this](QWidget* group, const BarButton& b) {
        QToolButton* button = makeBarButton(group, QLatin1String(b.name), b.text, b.symbol);
        m_barButtons.insert(button->objectName(), button);
        if (const QKeySequence key = Keys::of(button); !key.isEmpty())
            m_windowKeys << key;
        return button;
    };
    for (size_t g = 0; g < m_form.buttonBar.size(); ++g) {
        if (g + 1 == m_form.buttonBar.size())
            row->addStretch();
        QFrame* box = whiteBox(bar);
        auto* inner = new QHBoxLayout(box);
        inner->setContentsMargins(4, 2, 4, 2);
        inner->setSpacing(2);
        for (const BarButton& b : m_form.buttonBar[g]) {
            if (QLatin1String(b.name) != QLatin1String("lblPosizione")) {
                inner->addWidget(tool(box, b));
                continue;
            }
            lblPosizione = new QLabel(box);
            lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
            lblPosizione->setAlignment(Qt::AlignCenter);
            lblPosizione->setMinimumWidth(60);
            QFont position(QStringLiteral("Verdana"), 12);
            position.setBold(true);
            lblPosizione->setFont(position);
            inner->addWidget(lblPosizione);
        }
        row->addWidget(box);
    }
    cmdNuovo = barButton(QStringLiteral("cmdNuovo"));
    cmdSalva = barButton(QStringLiteral("cmdSalva"));
    cmdTrova = barButton(QStringLiteral("cmdTrova"));
    cmdPrimo = barButton(QStringLiteral("cmdPrimo"));
    cmdIndietro = barButton(QStringLiteral("cmdIndietro"));
    cmdAvanti = barButton(QStringLiteral("cmdAvanti"));
    cmdUltimo = barButton(QStringLiteral("cmdUltimo"));
    cmdGuida = barButton(QStringLiteral("cmdGuida"));
    cmdEsci = barButton(QStringLiteral("cmdEsci"));
    return bar;
}

QWidget* CardScreen::buildFields()
{
    QList<QFrame*> sections;
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
    for (const CardField& field : m_form.fields) {
        if (field.section != section) {
            section = field.section;
            QFrame* box = whiteBox(nullptr);
            auto* inner = new QHBoxLayout(box);
            inner->setContentsMargins(8, 4, 12, 4);
            inner->setSpacing(12);
            auto* picture = new QLabel(box);
            picture->setObjectName(QStringLiteral("imgSezione%1").arg(section + 1));
            picture->setPixmap(Artwork::icon(m_form.sectionPictures.at(size_t(section)), 44));
            picture->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            picture->setFixedWidth(52);
            inner->addWidget(picture);
            grid = new QGridLayout;
            // The same columns in every section, so that labels and fields line up down the card.
            grid->setHorizontalSpacing(8);
            grid->setVerticalSpacing(5);
            for (int c = 0; c < 4; ++c)
                grid->setColumnMinimumWidth(c, m_form.columns[size_t(c)]);
            // Room left over goes to the fields, never to the labels.
            grid->setColumnStretch(1, 1);
            grid->setColumnStretch(3, 1);
            inner->addLayout(grid, 1);
            sections << box;
            m_grids << grid;
            row = -1;
        }
        auto* label = new QLabel(QString::fromUtf8(field.label));
        QFont labelFont = label->font();
        labelFont.setBold(true);
        label->setFont(labelFont);
        label->setStyleSheet(QStringLiteral("color: #1f3a5f;"));
        // A long caption takes two lines rather than widening its column.
        if (label->text().size() > 28) {
            label->setWordWrap(true);
            label->setMinimumHeight(2 * label->fontMetrics().lineSpacing() + 2);
        }
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
            auto* button = new FocusFramed<QPushButton>;
            button->setObjectName(QLatin1String(field.button));
            button->setIcon(QIcon(Artwork::glyph(field.buttonSymbol, 48, kInk)));
            button->setIconSize(QSize(20, 20));
            button->setFixedSize(34, 30);
            button->setCursor(Qt::PointingHandCursor);
            // The mouse leaves the focus in the field; Tab reaches the button, F4 presses it.
            button->setFocusPolicy(Qt::TabFocus);
            cell->addWidget(button);
            m_fieldButtons.insert(button->objectName(), button);
        }
    }
    // The cancelled box closes the last row.
    chkAnnullata = new QCheckBox(m_form.cancelledText);
    chkAnnullata->setObjectName(QStringLiteral("chkAnnullata"));
    chkAnnullata->setFont(fieldFont());
    if (!m_form.readOnly)
        chkAnnullata->setCursor(Qt::PointingHandCursor);
    auto* cancelledIcon = new QLabel;
    cancelledIcon->setObjectName(QStringLiteral("imgAnnullata"));
    cancelledIcon->setPixmap(Artwork::glyph(Artwork::Symbol::Cancelled, 22, kCrimson));
    cell->addSpacing(12);
    cell->addWidget(cancelledIcon);
    cell->addWidget(chkAnnullata);
    closeCell();
    return arrangeSections(sections);
}

QWidget* CardScreen::arrangeSections(const QList<QFrame*>& sections)
{
    auto* area = new QWidget;
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    for (QFrame* box : sections)
        column->addWidget(box);
    column->addStretch(1);
    return area;
}

QWidget* CardScreen::makeControl(const CardField& field)
{
    const QString name = QLatin1String(field.field);
    const int capacity = capacityOf(*m_form.type, field.field);
    QWidget* control = nullptr;
    QLineEdit* edit = nullptr;
    if (field.kind == CardField::Kind::Combo) {
        auto* combo = new QComboBox;
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        // The list is a typing aid: the text typed is the text stored, never completed.
        combo->setCompleter(nullptr);
        combo->addItems(field.items());
        combo->setMaxVisibleItems(20);
        combo->setCurrentIndex(-1);
        edit = combo->lineEdit();
        edit->setMaxLength(capacity);
        control = combo;
    } else {
        edit = new QLineEdit;
        edit->setMaxLength(field.typedLimit ? field.typedLimit : capacity);
        control = edit;
    }
    // A field that cannot be typed in looks it: the loan fields, and every field of a screen for
    // looking at records. The loan fields keep their crimson text.
    if (m_form.readOnly || field.kind == CardField::Kind::ReadOnly) {
        edit->setReadOnly(true);
        QPalette p = control->palette();
        p.setColor(QPalette::Base, kReadOnlyBase);
        if (field.kind == CardField::Kind::ReadOnly)
            p.setColor(QPalette::Text, kCrimson);
        control->setPalette(p);
    }
    applyTyping(field, edit);
    control->setObjectName(QStringLiteral("txt") + name);
    control->setFont(fieldFont());
    control->setMinimumHeight(27);
    if (field.code)
        control->setMinimumWidth(codeWidth(edit, QLatin1String(field.code)));
    if (field.narrow) {
        const int chars = field.typedLimit ? field.typedLimit : capacity;
        const int width = chars <= 2 ? 50 : chars <= 4 ? 64 : chars <= 5 ? 74 : 118;
        control->setFixedWidth(field.kind == CardField::Kind::Combo ? width + 22 : width);
    }
    control->installEventFilter(this);
    m_controls.insert(name, control);
    m_fields.insert(name, &field);
    m_chain << name;
    return control;
}

void CardScreen::applyTyping(const CardField& field, QLineEdit* edit)
{
    // A stored text longer than may be typed can be shortened, never lengthened again.
    if (const int limit = field.typedLimit) {
        connect(edit, &QLineEdit::textEdited, edit,
            [edit, limit](const QString& typed) { edit->setMaxLength(std::max(limit, int(typed.size()))); });
    }
    switch (field.typing) {
    case CardField::Typing::Digits:
        digitsOnly(edit);
        break;
    case CardField::Typing::Upper:
    case CardField::Typing::Trimmed: {
        const bool upper = field.typing == CardField::Typing::Upper;
        connect(edit, &QLineEdit::textEdited, edit, [edit, upper](const QString& typed) {
            const QString trimmed = ShortString::trimmed(typed);
            const QString wanted = upper ? ShortString::upperAToZ(trimmed) : trimmed;
            if (wanted != typed)
                replaceText(edit, wanted);
        });
        break;
    }
    case CardField::Typing::UpperOnRelease:
    case CardField::Typing::Free:
        break;
    }
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
        if (const int limit = m_fields.value(field)->typedLimit)
            edit->setMaxLength(std::max(limit, int(text.size())));
        loadText(edit, text);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        loadText(combo, text);
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
    showValues(m_form.type->values(record.constData()));
}

void CardScreen::showValues(const QHash<QString, QString>& values)
{
    const QHash<QString, QLabel*> labels = hiddenLabels();
    for (auto it = values.begin(); it != values.end(); ++it) {
        if (m_controls.contains(it.key()))
            setText(it.key(), it.value());
        else if (labels.contains(it.key()))
            labels.value(it.key())->setText(it.value());
        else if (it.key() == QLatin1String("Annullata")
            && (it.value() == ShortString::kYes || it.value() == ShortString::kNo))
            chkAnnullata->setChecked(it.value() == ShortString::kYes);
    }
    showExtraValues(values);
}

void CardScreen::showExtraValues(const QHash<QString, QString>&) {}

void CardScreen::addExtraValues(QHash<QString, QString>&) const {}

QHash<QString, QString> CardScreen::cardValues() const
{
    QHash<QString, QString> values;
    for (auto it = m_controls.begin(); it != m_controls.end(); ++it)
        values.insert(it.key(), text(it.key()));
    const QHash<QString, QLabel*> labels = hiddenLabels();
    for (auto it = labels.begin(); it != labels.end(); ++it)
        values.insert(it.key(), it.value()->text());
    values.insert(
        QStringLiteral("Annullata"), chkAnnullata->isChecked() ? ShortString::kYes : ShortString::kNo);
    addExtraValues(values);
    return values;
}

QByteArray CardScreen::cardRecord() const
{
    return m_form.type->record(cardValues());
}

bool CardScreen::checkCard()
{
    const QHash<QString, QString> values = cardValues();
    const QList<CardRules::Problem> found
        = CardRules::problems(*m_form.type, [&values](const QString& field) { return values.value(field); });
    if (found.isEmpty())
        return true;
    const CardRules::Problem& first = found.first();
    if (first.plain)
        MessageBox::plain(this, first.message);
    else
        MessageBox::warning(this, first.message);
    focusField(first.focus);
    return false;
}

bool CardScreen::requireFilled(const CardCheck& check)
{
    if (!ShortString::trimmed(text(QLatin1String(check.field))).isEmpty())
        return true;
    MessageBox::warning(this, check.message);
    focusField(QLatin1String(check.focus));
    return false;
}

void CardScreen::clearCard()
{
    for (auto it = m_controls.begin(); it != m_controls.end(); ++it) {
        if (auto* combo = qobject_cast<QComboBox*>(it.value()))
            combo->setCurrentIndex(-1);
        setText(it.key(), QString());
    }
    chkAnnullata->setChecked(false);
    for (QLabel* label : hiddenLabels())
        label->clear();
    setNewCardTexts();
}

void CardScreen::focusField(const QString& field)
{
    if (QWidget* control = m_controls.value(field))
        control->setFocus();
}

void CardScreen::openSearch(const SearchTable& table)
{
    SearchWindow window(table, this);
    window.lblMemory->setText(m_form.marker);
    connect(&window, &SearchWindow::recordChosen, this, &CardScreen::loadValues);
    Modal::exec(window);
}

void CardScreen::loadValues(qint64 n, const QHash<QString, QString>& values)
{
    showValues(values);
    setPosition(QString::number(n));
    recordLoaded(n);
}

void CardScreen::openAttachments(const QString& mode)
{
    TfrmAllegaCartella window(this);
    window.lblMemory->setText(mode);
    const std::array<QLabel*, 3> files = {lblFile01, lblFile02, lblFile03};
    const std::array<QLabel*, 3> descriptions = {lblDesc01, lblDesc02, lblDesc03};
    for (size_t i = 0; i < 3; ++i) {
        window.txtFile[i]->setText(ShortString::trimmed(files[i]->text()));
        window.txtDesc[i]->setText(ShortString::trimmed(descriptions[i]->text()));
    }
    connect(&window, &TfrmAllegaCartella::applied, this, [&](const QStringList& names, const QStringList& texts) {
        for (size_t i = 0; i < 3; ++i) {
            files[i]->setText(names.at(int(i)));
            descriptions[i]->setText(texts.at(int(i)));
        }
    });
    Modal::exec(window);
}

void CardScreen::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    m_card.newCard();
    panInfo->setText(m_form.readyText);
    if (m_form.focusOnShow)
        focusField(m_chain.first());
}

void CardScreen::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

bool CardScreen::fieldKeyPress(const QString& field, QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusField(m_chain.at((m_chain.indexOf(field) + 1) % m_chain.size()));
        return true;
    }
    return false;
}

bool CardScreen::refusesPaste(const QString&) const
{
    return false;
}

bool CardScreen::eventFilter(QObject* watched, QEvent* event)
{
    auto* control = qobject_cast<QWidget*>(watched);
    const QString field = control ? m_controls.key(control) : QString();
    if (field.isEmpty())
        return QWidget::eventFilter(watched, event);

    // The lists of a read-only screen never open: looked at, not chosen from.
    if (m_form.readOnly && qobject_cast<QComboBox*>(control)) {
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick || type == QEvent::Wheel)
            return true;
        if (type == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown
                || (static_cast<QKeyEvent*>(event)->modifiers() & Qt::AltModifier))
                return true;
        }
    }
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // The bar's keys belong to the screen, also those a field would keep for itself (Ctrl+Home
        // and Ctrl+End would move its cursor).
        if (m_windowKeys.contains(QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination())))
            return true;
        break;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        QPushButton* button = m_fieldButtons.value(QLatin1String(m_fields.value(field)->button));
        if (button && QKeySequence(key->keyCombination()) == kFieldButtonKey) {
            button->click();
            return true;
        }
        if (fieldKeyPress(field, key))
            return true;
        break;
    }
    case QEvent::KeyRelease:
        if (m_fields.value(field)->typing == CardField::Typing::UpperOnRelease) {
            auto* edit = static_cast<QLineEdit*>(control);
            replaceText(edit, ShortString::upperAToZ(ShortString::trimmed(edit->text())));
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
        // The middle button pastes the selection.
        if (static_cast<QMouseEvent*>(event)->button() != Qt::MiddleButton)
            break;
        [[fallthrough]];
    case QEvent::ContextMenu:
    case QEvent::Drop:
    case QEvent::InputMethod:
        return refusesPaste(field);
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
