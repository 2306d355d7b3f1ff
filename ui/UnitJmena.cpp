#include "ui/UnitJmena.h"

#include "data/namecard.h"
#include "ui/Dialogs.h"
#include "ui/RichView.h"
#include "ui/UFiltr.h"
#include "ui/UVyhledavani.h"
#include "ui/icons/Icons.h"
#include "ui/qtext.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>

#include <optional>

namespace tarvenik {

namespace {

const char* const kNoCount = "Počet nalezených záznamů";

} // namespace

TFrmJmena::TFrmJmena(QWidget* parent, const QString& appFolder,
                     std::chrono::milliseconds countRepaint)
    : QDialog(parent), m_appFolder(appFolder), m_countRepaint(countRepaint) {
    setObjectName(QStringLiteral("FrmJmena"));
    setWindowTitle(QStringLiteral("Tarvenik :: Databáze jmen"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    buildControls();

    FrmVyhledavani = new TFrmVyhledavani(this);
    FrmFiltr = new TFrmFiltr(this);

    // A click on the letter already selected reads it again (after a search, say); a new
    // selection, by mouse or keyboard, reads it once.
    ListBoxPismena->viewport()->installEventFilter(this);
    connect(ListBoxPismena, &QListWidget::itemSelectionChanged, this,
            &TFrmJmena::ListBoxPismenaClick);
    connect(ListBoxPismena, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (ListBoxPismena->row(item) == m_letterBeforePress) {
            ListBoxPismenaClick();
        }
    });
    connect(ListBoxNazvy, &QListWidget::itemSelectionChanged, this, &TFrmJmena::ListBoxNazvyClick);
    connect(ChkBoxFiltr, &QCheckBox::toggled, this, &TFrmJmena::ChkBoxFiltrClick);
    connect(BtnFiltr, &QPushButton::clicked, this, &TFrmJmena::BtnFiltrClick);
    connect(BtnHledej, &QPushButton::clicked, this, &TFrmJmena::BtnHledejClick);
    connect(BtnTisk, &QPushButton::clicked, this, &TFrmJmena::BtnTiskClick);
    connect(BtnUlozit, &QPushButton::clicked, this, &TFrmJmena::BtnUlozitClick);
    connect(FrmVyhledavani, &TFrmVyhledavani::searchRequested, this, &TFrmJmena::hledej);

    resize(QSize(690, 500).expandedTo(sizeHint()).expandedTo(minimumSizeHint()));
    setFixedSize(size());
}

void TFrmJmena::buildControls() {
    ListBoxPismena = new QListWidget(this);
    ListBoxPismena->setObjectName(QStringLiteral("ListBoxPismena"));
    ListBoxPismena->setFont(QFont(QStringLiteral("Tahoma"), 10));
    for (const char letter : kNameLetters) {
        ListBoxPismena->addItem(QStringLiteral("  %1  ").arg(QLatin1Char(letter)));
    }
    ListBoxPismena->setFixedWidth(ListBoxPismena->sizeHintForColumn(0) +
                                  2 * ListBoxPismena->frameWidth() +
                                  ListBoxPismena->verticalScrollBar()->sizeHint().width());

    ListBoxNazvy = new QListWidget(this);
    ListBoxNazvy->setObjectName(QStringLiteral("ListBoxNazvy"));
    ListBoxNazvy->setFixedWidth(150);

    RichEdit1 = new RichView(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setWordWrap(false); // long meanings scroll sideways
    RichEdit1->setScrollBars(Qt::ScrollBarAsNeeded, Qt::ScrollBarAsNeeded);

    LblPocetNalezenych = new QLabel(QString::fromUtf8(kNoCount), this);
    LblPocetNalezenych->setObjectName(QStringLiteral("LblPocetNalezenych"));

    ChkBoxFiltr = new QCheckBox(this);
    ChkBoxFiltr->setObjectName(QStringLiteral("ChkBoxFiltr"));
    ChkBoxFiltr->setAccessibleName(QStringLiteral("Filtr"));
    auto button = [this](const char* name, const char* caption, IconKind icon) {
        auto* b = new QPushButton(themedIcon(icon), QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    BtnFiltr = button("BtnFiltr", "Filtr", IconKind::Filter);
    BtnFiltr->setEnabled(false);
    BtnHledej = button("BtnHledej", "Hledej", IconKind::Search);
    BtnTisk = button("BtnTisk", "Tisk", IconKind::Print);
    BtnUlozit = button("BtnUlozit", "Uložit", IconKind::Save);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ChkBoxFiltr);
    buttons->addWidget(BtnFiltr);
    buttons->addWidget(BtnHledej);
    buttons->addStretch(1);
    buttons->addWidget(BtnTisk);
    buttons->addWidget(BtnUlozit);

    auto* grid = new QGridLayout(this);
    grid->addWidget(ListBoxPismena, 0, 0);
    grid->addWidget(ListBoxNazvy, 0, 1);
    grid->addWidget(RichEdit1, 0, 2);
    grid->addWidget(LblPocetNalezenych, 1, 0, 1, 2);
    grid->addLayout(buttons, 1, 2);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(0, 1);
}

bool TFrmJmena::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListBoxPismena->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto selected = ListBoxPismena->selectedItems();
        m_letterBeforePress = selected.isEmpty() ? -1 : ListBoxPismena->row(selected.front());
    }
    return QDialog::eventFilter(watched, event);
}

void TFrmJmena::clearList() {
    m_records.clear();
    ListBoxNazvy->clear();
}

void TFrmJmena::startOver() {
    clearList();
    RichEdit1->setRichDoc({});
    m_cardName.clear();
    ListBoxPismena->clearSelection();
    ListBoxPismena->setCurrentRow(-1);
    LblPocetNalezenych->setText(QString::fromUtf8(kNoCount));
}

void TFrmJmena::ListBoxPismenaClick() {
    const auto selected = ListBoxPismena->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    const std::size_t row = static_cast<std::size_t>(ListBoxPismena->row(selected.front()));
    clearList();
    std::optional<NameFilter> filter;
    if (ChkBoxFiltr->isChecked()) {
        filter = FrmFiltr->filter();
    }
    const NameListing listing = browseNameLetter(toPath(m_appFolder), kNameLetters.substr(row, 1),
                                                 filter ? &*filter : nullptr);
    // The count climbs visibly while a long letter fills the list. Repainting it after
    // every record made listing a long letter ten times slower than reading it.
    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    for (const NameRecord& r : listing.records) {
        ListBoxNazvy->addItem(toQ(r.name));
        m_records.push_back(r);
        LblPocetNalezenych->setText(toQ(nameCountText(m_records.size())));
        if (sinceRepaint.elapsed() >= m_countRepaint.count()) {
            LblPocetNalezenych->repaint();
            sinceRepaint.restart();
        }
    }
    if (listing.error) {
        Dialogs::current().fileError(this, *listing.error);
        return;
    }
    LblPocetNalezenych->setText(toQ(nameCountText(m_records.size())));
}

void TFrmJmena::ListBoxNazvyClick() {
    const auto selected = ListBoxNazvy->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    const std::size_t row = static_cast<std::size_t>(ListBoxNazvy->row(selected.front()));
    if (row >= m_records.size()) {
        return;
    }
    m_cardName = toQ(m_records[row].name);
    RichEdit1->setRichDoc(nameDictionaryCard(m_records[row]));
}

void TFrmJmena::hledej(const NameSearch& search) {
    clearList();
    const NameListing listing = tarvenik::hledej(toPath(m_appFolder), search, FrmFiltr->filter());
    for (const NameRecord& r : listing.records) {
        ListBoxNazvy->addItem(toQ(r.name));
    }
    m_records = listing.records;
    if (listing.error) {
        Dialogs::current().fileError(this, *listing.error);
        return;
    }
    LblPocetNalezenych->setText(toQ(nameCountText(m_records.size())));
}

void TFrmJmena::ChkBoxFiltrClick() {
    BtnFiltr->setEnabled(ChkBoxFiltr->isChecked());
    FrmVyhledavani->setFilterAvailable(ChkBoxFiltr->isChecked());
    startOver();
}

void TFrmJmena::BtnFiltrClick() {
    if (FrmFiltr->exec() == QDialog::Accepted) {
        startOver();
    }
}

void TFrmJmena::BtnHledejClick() {
    FrmVyhledavani->setFilterAvailable(ChkBoxFiltr->isChecked());
    FrmVyhledavani->show();
    FrmVyhledavani->raise();
    FrmVyhledavani->activateWindow();
}

void TFrmJmena::BtnTiskClick() {
    if (RichEdit1->isEmpty()) {
        return;
    }
    QPrinter printer;
    printer.setDocName(QStringLiteral("Tarvenik :: význam jmen"));
    if (Dialogs::current().print(this, printer)) {
        RichEdit1->print(printer);
    }
}

void TFrmJmena::BtnUlozitClick() {
    // A slash in a name must not lead the dialog into another folder.
    const QString name = QString(m_cardName).replace(QLatin1Char('/'), QLatin1Char('-'));
    saveShownText(this, *RichEdit1, m_appFolder, name);
}

} // namespace tarvenik
