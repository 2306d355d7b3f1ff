#include "ui/UnitSny.h"

#include "data/dreamcard.h"
#include "ui/Dialogs.h"
#include "ui/RichView.h"
#include "ui/UVyhledavaniSny.h"
#include "ui/icons/Icons.h"
#include "ui/qtext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

namespace tarvenik {

namespace {

// A list answers a click, also on the line already chosen (a letter listed again after a
// search), and the arrow keys. A mouse press moves the current line before it selects it,
// so only its click gets past chosenRow, and a click that changes the line acts once.
void onChoose(QListWidget* list, TFrmSny* window, void (TFrmSny::*handler)()) {
    QObject::connect(list, &QListWidget::itemClicked, window, handler);
    QObject::connect(list, &QListWidget::currentRowChanged, window, handler);
}

// The chosen line, or -1 while none is selected.
int chosenRow(const QListWidget* list) {
    const int row = list->currentRow();
    return row >= 0 && list->item(row)->isSelected() ? row : -1;
}

} // namespace

TFrmSny::TFrmSny(QWidget* parent, const QString& appFolder)
    : QDialog(parent), m_appFolder(appFolder) {
    setObjectName(QStringLiteral("FrmSny"));
    setWindowTitle(QStringLiteral("Databáze snů"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    buildControls();

    FrmVyhledavaniSny = new TFrmVyhledavaniSny(this);

    onChoose(ListBoxPismena, this, &TFrmSny::ListBoxPismenaClick);
    onChoose(ListBoxNazvy, this, &TFrmSny::ListBoxNazvyClick);
    connect(BtnHledej, &QPushButton::clicked, this, &TFrmSny::BtnHledejClick);
    connect(BtnTisk, &QPushButton::clicked, this, &TFrmSny::BtnTiskClick);
    connect(BtnUlozit, &QPushButton::clicked, this, &TFrmSny::BtnUlozitClick);
    connect(FrmVyhledavaniSny, &TFrmVyhledavaniSny::searchRequested, this, &TFrmSny::Hledej);
}

void TFrmSny::buildControls() {
    ListBoxPismena = new QListWidget(this);
    ListBoxPismena->setObjectName(QStringLiteral("ListBoxPismena"));
    ListBoxPismena->setFont(QFont(QStringLiteral("Tahoma"), 10));
    for (const char letter : kDreamLetters) {
        ListBoxPismena->addItem(toQ(dreamLetterItem(letter)));
    }
    ListBoxPismena->setFixedWidth(ListBoxPismena->sizeHintForColumn(0) +
                                  2 * ListBoxPismena->frameWidth() +
                                  ListBoxPismena->verticalScrollBar()->sizeHint().width());

    ListBoxNazvy = new QListWidget(this);
    ListBoxNazvy->setObjectName(QStringLiteral("ListBoxNazvy"));
    ListBoxNazvy->setFixedWidth(190);

    LblPocetNalezenych = new QLabel(QStringLiteral("Počet nalezených záznamů"), this);
    LblPocetNalezenych->setObjectName(QStringLiteral("LblPocetNalezenych"));

    RichEdit1 = new RichView(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(false); // the reader may add a note before printing or saving
    RichEdit1->setTabChangesFocus(true);
    RichEdit1->setWordWrap(true);
    RichEdit1->setScrollBars(Qt::ScrollBarAlwaysOff, Qt::ScrollBarAlwaysOn);

    const auto button = [this](QPushButton*& b, const char* name, const char* caption,
                               IconKind icon) {
        b = new QPushButton(themedIcon(icon), QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
    };
    button(BtnHledej, "BtnHledej", "Hledej", IconKind::Search);
    button(BtnTisk, "BtnTisk", "Tisk", IconKind::Print);
    button(BtnUlozit, "BtnUlozit", "Uložit", IconKind::Save);

    auto* lists = new QHBoxLayout;
    lists->addWidget(ListBoxPismena);
    lists->addWidget(ListBoxNazvy);
    auto* left = new QVBoxLayout;
    left->addLayout(lists, 1);
    left->addWidget(LblPocetNalezenych);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BtnHledej);
    buttons->addStretch(1);
    buttons->addWidget(BtnTisk);
    buttons->addWidget(BtnUlozit);
    auto* right = new QVBoxLayout;
    right->addWidget(RichEdit1, 1);
    right->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);
    setFixedSize(sizeHint().expandedTo(QSize(690, 502)));
}

void TFrmSny::showEntries(std::vector<DreamEntry> entries) {
    m_entries = std::move(entries);
    ListBoxNazvy->clear();
    for (const DreamEntry& entry : m_entries) {
        ListBoxNazvy->addItem(toQ(entry.title));
    }
    LblPocetNalezenych->setText(toQ(dreamCountText(m_entries.size())));
}

void TFrmSny::ListBoxPismenaClick() {
    const int row = chosenRow(ListBoxPismena);
    if (row < 0) {
        return;
    }
    auto entries =
        loadDreamLetter(toPath(m_appFolder), kDreamLetters[static_cast<std::size_t>(row)]);
    if (!entries) {
        Dialogs::current().fileError(this, entries.error());
        return;
    }
    showEntries(std::move(entries).value());
}

void TFrmSny::Hledej(const DreamSearch& search) {
    auto found = tarvenik::Hledej(toPath(m_appFolder), search);
    if (!found) {
        // Over the search window, which stays on top of this one.
        QWidget* over = this;
        if (FrmVyhledavaniSny->isVisible()) {
            over = FrmVyhledavaniSny;
        }
        Dialogs::current().fileError(over, found.error());
        return;
    }
    showEntries(std::move(found).value());
}

void TFrmSny::ListBoxNazvyClick() {
    const int row = chosenRow(ListBoxNazvy);
    if (row < 0) {
        return;
    }
    const DreamEntry& entry = m_entries.at(static_cast<std::size_t>(row));
    RichEdit1->setRichDoc(dreamCard(entry));
    m_fileName = toQ(entry.storedTitle());
}

void TFrmSny::BtnHledejClick() {
    FrmVyhledavaniSny->show();
    FrmVyhledavaniSny->raise();
    FrmVyhledavaniSny->activateWindow();
}

void TFrmSny::BtnTiskClick() {
    if (RichEdit1->isEmpty()) {
        return;
    }
    QPrinter printer;
    printer.setDocName(QStringLiteral("Tarvenik :: význam snů"));
    if (Dialogs::current().print(this, printer)) {
        RichEdit1->print(printer);
    }
}

void TFrmSny::BtnUlozitClick() {
    // A slash in a title must not lead the dialog into another folder.
    const QString name = QString(m_fileName).replace(QLatin1Char('/'), QLatin1Char('-'));
    saveShownText(this, *RichEdit1, m_appFolder, name);
}

void TFrmSny::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_centred && screen()) {
        move(screen()->availableGeometry().center() - rect().center());
        m_centred = true;
    }
}

} // namespace tarvenik
