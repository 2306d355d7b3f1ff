#include "ui/UnitSvatky.h"

#include "ui/Dialogs.h"
#include "ui/qtext.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tarvenik {

namespace {

const char* const kFileMissing = "Soubor se svátky nenalezen, prosím přeinstalujte aplikaci";

template <class W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

TFrmSvatky::TFrmSvatky(QWidget* parent, const QString& appFolder)
    : QDialog(parent), m_appFolder(appFolder) {
    setObjectName(QStringLiteral("FrmSvatky"));
    setWindowTitle(QStringLiteral("Tarvenik :: Svátky"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    buildControls();

    connect(BtnJmeno, &QPushButton::clicked, this, &TFrmSvatky::BtnJmenoClick);
    connect(BtnDatum, &QPushButton::clicked, this, &TFrmSvatky::BtnDatumClick);
    connect(BtnVse, &QPushButton::clicked, this, &TFrmSvatky::BtnVseClick);
    connect(EditJmeno, &QLineEdit::returnPressed, BtnJmeno, &QPushButton::click);
    connect(EDitDatum, &QLineEdit::returnPressed, BtnDatum, &QPushButton::click);
    connect(ListViewSvatky, &QTableWidget::itemSelectionChanged, this,
            &TFrmSvatky::ListViewSvatkySelectItem);

    resize(QSize(314, 289).expandedTo(minimumSizeHint()));
    setFixedSize(size());
}

void TFrmSvatky::buildControls() {
    // In tab order: the search fields first, the table last.
    EditJmeno = named(new QLineEdit(this), "EditJmeno");
    BtnJmeno = named(new QPushButton(QStringLiteral("Hledej jméno"), this), "BtnJmeno");
    EDitDatum = named(new QLineEdit(this), "EDitDatum");
    BtnDatum = named(new QPushButton(QStringLiteral("Hledej datum"), this), "BtnDatum");
    BtnVse = named(new QPushButton(QStringLiteral("Zobraz vše"), this), "BtnVse");
    ChkBoxRozsirene =
        named(new QCheckBox(QStringLiteral("Použít rozšířené svátky"), this), "ChkBoxRozsirene");
    ChkBoxVelkaMala = named(new QCheckBox(QStringLiteral("Rozlišovat velká a malá písmena"), this),
                            "ChkBoxVelkaMala");
    ChkBoxPresne =
        named(new QCheckBox(QStringLiteral("Vyhledávat pouze přešný text"), this), "ChkBoxPresne");
    // Enter in a field presses that field's button only, never a default one besides.
    for (QPushButton* b : {BtnJmeno, BtnDatum, BtnVse}) {
        b->setAutoDefault(false);
    }

    ListViewSvatky = named(new QTableWidget(0, 2, this), "ListViewSvatky");
    ListViewSvatky->setHorizontalHeaderLabels({QStringLiteral("Datum"), QStringLiteral("Svátek")});
    ListViewSvatky->verticalHeader()->hide();
    ListViewSvatky->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListViewSvatky->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListViewSvatky->setSelectionMode(QAbstractItemView::SingleSelection);
    ListViewSvatky->setWordWrap(false);
    ListViewSvatky->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    ListViewSvatky->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    ListViewSvatky->setColumnWidth(0, 50);
    ListViewSvatky->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);

    StatusBar1 = named(new QStatusBar(this), "StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    LblNalezeno = named(new QLabel(StatusBar1), "LblNalezeno");
    LblNalezeno->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LblNalezeno->setContentsMargins(0, 0, 6, 0);
    StatusBar1->addWidget(LblNalezeno, 1);

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(3);
    grid->addWidget(EditJmeno, 0, 0);
    grid->addWidget(BtnJmeno, 0, 1);
    grid->addWidget(EDitDatum, 1, 0);
    grid->addWidget(BtnDatum, 1, 1);
    grid->addWidget(ChkBoxRozsirene, 2, 0);
    grid->addWidget(BtnVse, 2, 1);
    grid->addWidget(ChkBoxVelkaMala, 3, 0, 1, 2);
    grid->addWidget(ChkBoxPresne, 4, 0, 1, 2);
    grid->setColumnStretch(0, 1);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(6, 6, 6, 2);
    body->addWidget(ListViewSvatky, 1);
    body->addLayout(grid);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(body, 1);
    layout->addWidget(StatusBar1);
}

void TFrmSvatky::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_centred && screen()) {
        move(screen()->availableGeometry().center() - rect().center());
        m_centred = true;
    }
}

void TFrmSvatky::BtnJmenoClick() {
    hledej(NameDayField::Names, EditJmeno->text());
}

void TFrmSvatky::BtnDatumClick() {
    hledej(NameDayField::Date, EDitDatum->text());
}

void TFrmSvatky::BtnVseClick() {
    hledej(std::nullopt, {});
}

void TFrmSvatky::hledej(std::optional<NameDayField> field, const QString& text) {
    // The calendar is the one ticked now: switching the box alone reads nothing.
    const NameDayFile file =
        ChkBoxRozsirene->isChecked() ? NameDayFile::Extended : NameDayFile::Standard;
    const auto folder = toPath(m_appFolder);
    const auto entries = field
                             ? filterNameDayEntries(folder, file,
                                                    {*field, fromQ(text), ChkBoxPresne->isChecked(),
                                                     ChkBoxVelkaMala->isChecked()})
                             : loadNameDayEntries(folder, file);
    if (!entries) {
        if (entries.error().notFound()) {
            Dialogs::current().plain(this, QString::fromUtf8(kFileMissing));
        } else {
            Dialogs::current().fileError(this, entries.error());
        }
        return;
    }
    showEntries(*entries);
}

void TFrmSvatky::showEntries(const std::vector<NameDayEntry>& entries) {
    ListViewSvatky->clearContents();
    ListViewSvatky->setRowCount(static_cast<int>(entries.size()));
    for (int row = 0; row < ListViewSvatky->rowCount(); ++row) {
        const NameDayEntry& e = entries[static_cast<std::size_t>(row)];
        ListViewSvatky->setItem(row, 0, new QTableWidgetItem(toQ(e.key)));
        ListViewSvatky->setItem(row, 1, new QTableWidgetItem(toQ(e.names)));
    }
    ListViewSvatkySelectItem();
    LblNalezeno->setText(QStringLiteral("Svátků nalezeno: %1").arg(entries.size()));
}

void TFrmSvatky::ListViewSvatkySelectItem() {
    // The names of the selected row, for a text wider than its column; no row, no tooltip.
    const auto rows = ListViewSvatky->selectionModel()->selectedRows(1);
    ListViewSvatky->setToolTip(rows.isEmpty() ? QString() : rows.front().data().toString());
}

} // namespace tarvenik
