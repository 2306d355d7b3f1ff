#include "ui/UnitPripominky.h"

#include "data/settings.h"
#include "ui/Dialogs.h"
#include "ui/icons/Icons.h"
#include "ui/qtext.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tarvenik {

TFrmPripominky::TFrmPripominky(QWidget* parent, const QString& appFolder, const QString& userFolder,
                               QDate today)
    : QDialog(parent), m_appFolder(appFolder), m_userFolder(userFolder),
      m_today(*DateTime::fromDate(today.year(), today.month(), today.day())) {
    setObjectName(QStringLiteral("FrmPripominky"));
    setWindowTitle(QStringLiteral("Tarvenik :: Připomínky"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    buildControls();

    if (auto loaded = loadRemindedPersons(toPath(m_appFolder), toPath(m_userFolder))) {
        m_persons = std::move(loaded).value();
    } else {
        Dialogs::current().fileError(this, loaded.error());
    }
    if (const auto on = readRemindersAtStartup(toPath(m_userFolder))) {
        ChkBoxPriSpusteni->setChecked(*on);
    } else {
        Dialogs::current().fileError(this, on.error());
    }
    SpinDnyChange();

    connect(SpinDny, &QSpinBox::valueChanged, this, &TFrmPripominky::SpinDnyChange);
    connect(ChkBoxPriSpusteni, &QCheckBox::toggled, this, &TFrmPripominky::ChkBoxPriSpusteniClick);
    connect(BtnZavrit, &QPushButton::clicked, this, &QDialog::accept);
}

void TFrmPripominky::buildControls() {
    auto* days = new QLabel(QStringLiteral("Počet dní včetně dneška:"), this);
    SpinDny = new QSpinBox(this);
    SpinDny->setObjectName(QStringLiteral("SpinDny"));
    SpinDny->setRange(1, kReminderDaysMax);
    SpinDny->setValue(kReminderDaysDefault);
    days->setBuddy(SpinDny);
    auto* top = new QHBoxLayout;
    top->addWidget(days);
    top->addWidget(SpinDny);
    top->addStretch(1);

    GridPripominky = new QTableWidget(0, 4, this);
    GridPripominky->setObjectName(QStringLiteral("GridPripominky"));
    GridPripominky->setHorizontalHeaderLabels({QStringLiteral("Datum"), QStringLiteral("Kdo"),
                                               QStringLiteral("Co"), QStringLiteral("Za")});
    GridPripominky->verticalHeader()->hide();
    GridPripominky->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridPripominky->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridPripominky->setSelectionMode(QAbstractItemView::SingleSelection);
    GridPripominky->setWordWrap(false);
    GridPripominky->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);

    LblPoznamka = new QLabel(this);
    LblPoznamka->setObjectName(QStringLiteral("LblPoznamka"));
    LblPoznamka->setWordWrap(true);

    ChkBoxPriSpusteni =
        new QCheckBox(QStringLiteral("Zobrazit při spuštění, je-li dnes něčí den"), this);
    ChkBoxPriSpusteni->setObjectName(QStringLiteral("ChkBoxPriSpusteni"));
    BtnZavrit = new QPushButton(themedIcon(IconKind::Close), QStringLiteral("Zavřít"), this);
    BtnZavrit->setObjectName(QStringLiteral("BtnZavrit"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(ChkBoxPriSpusteni);
    bottom->addStretch(1);
    bottom->addWidget(BtnZavrit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(GridPripominky, 1);
    layout->addWidget(LblPoznamka);
    layout->addLayout(bottom);
    resize(480, 360);
}

bool TFrmPripominky::hasToday() const {
    return anyToday(upcomingDays(m_persons.persons, m_today, 1));
}

void TFrmPripominky::SpinDnyChange() {
    const auto rows = upcomingDays(m_persons.persons, m_today, SpinDny->value());
    GridPripominky->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < GridPripominky->rowCount(); ++row) {
        const Reminder& r = rows[static_cast<std::size_t>(row)];
        const QString cells[] = {toQ(r.date.shortDate()), toQ(r.who), toQ(reminderWhat(r)),
                                 toQ(reminderWhen(r.daysAhead))};
        for (int column = 0; column < 4; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (r.daysAhead == 0) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            GridPripominky->setItem(row, column, item);
        }
    }
    GridPripominky->resizeColumnsToContents();

    QStringList notes;
    if (rows.empty()) {
        notes << QStringLiteral("V tomto období nemá nikdo narozeniny ani svátek.");
    }
    if (!m_persons.nameDayFileFound) {
        notes << QStringLiteral("Soubor se svátky nenalezen, svátky proto nejsou uvedeny.");
    }
    LblPoznamka->setText(notes.join(QLatin1Char('\n')));
    LblPoznamka->setVisible(!notes.isEmpty());
}

void TFrmPripominky::ChkBoxPriSpusteniClick() {
    const auto written =
        writeRemindersAtStartup(toPath(m_userFolder), ChkBoxPriSpusteni->isChecked());
    if (!written) {
        Dialogs::current().fileError(this, written.error(), FileAccess::Write);
        const QSignalBlocker quiet(ChkBoxPriSpusteni);
        ChkBoxPriSpusteni->setChecked(!ChkBoxPriSpusteni->isChecked());
    }
}

} // namespace tarvenik
