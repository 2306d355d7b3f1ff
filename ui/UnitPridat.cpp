#include "ui/UnitPridat.h"

#include "data/personchoice.h"
#include "data/persons.h"
#include "ui/Dialogs.h"
#include "ui/icons/Icons.h"
#include "ui/qtext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace tarvenik {

namespace {

QDate toQDate(DateTime d) {
    const CalendarFields f = d.fields();
    return QDate(f.year, f.month, f.day);
}

} // namespace

TFrmPridat::TFrmPridat(QWidget* parent, Mode mode, const QDateTime& now) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmPridat"));
    setWindowTitle(mode == Mode::Add ? QStringLiteral("Tarvenik :: Přidat údaje")
                                     : QStringLiteral("Tarvenik :: upravit údaje"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    GrpBoxUdaje = new QGroupBox(QStringLiteral(" Nastavení údajů "), this);
    GrpBoxUdaje->setObjectName(QStringLiteral("GrpBoxUdaje"));
    LblEditJmeno = new QLineEdit(GrpBoxUdaje);
    LblEditJmeno->setObjectName(QStringLiteral("LblEditJmeno"));
    LblEditJmeno->setMaxLength(static_cast<int>(kPersonNameLimit));
    LblEditPrijmeni = new QLineEdit(GrpBoxUdaje);
    LblEditPrijmeni->setObjectName(QStringLiteral("LblEditPrijmeni"));
    LblEditPrijmeni->setMaxLength(static_cast<int>(kPersonNameLimit));
    CmbBoxPohlavi = new QComboBox(GrpBoxUdaje);
    CmbBoxPohlavi->setObjectName(QStringLiteral("CmbBoxPohlavi"));
    CmbBoxPohlavi->addItems({QStringLiteral("Muž"), QStringLiteral("Žena")});
    CmbBoxPohlavi->setCurrentIndex(-1);
    NarDatum = new QDateEdit(QDate(1980, 1, 1), GrpBoxUdaje);
    NarDatum->setObjectName(QStringLiteral("NarDatum"));
    NarDatum->setDisplayFormat(QStringLiteral(" d.M.yyyy"));
    NarDatum->setCalendarPopup(true);
    NarDatum->setMinimumDate(QDate(100, 1, 1));
    NarDatum->setMaximumDate(now.date());
    ChkPresnyCas = new QCheckBox(QStringLiteral("Přesný čas:"), GrpBoxUdaje);
    ChkPresnyCas->setObjectName(QStringLiteral("ChkPresnyCas"));
    NarCas = new QTimeEdit(QTime(0, 0), GrpBoxUdaje);
    NarCas->setObjectName(QStringLiteral("NarCas"));
    NarCas->setDisplayFormat(QStringLiteral("H:mm':00'"));
    NarCas->setEnabled(false);

    auto* form = new QFormLayout(GrpBoxUdaje);
    form->addRow(QStringLiteral("Jméno:  "), LblEditJmeno);
    form->addRow(QStringLiteral("Příjmení:"), LblEditPrijmeni);
    form->addRow(QStringLiteral("Pohlaví:"), CmbBoxPohlavi);
    form->addRow(QStringLiteral("Datum narození:"), NarDatum);
    form->addRow(ChkPresnyCas, NarCas);

    BtnUlozit = new QPushButton(themedIcon(IconKind::Save), QStringLiteral("Uložit údaje"), this);
    BtnUlozit->setObjectName(QStringLiteral("BtnUlozit"));
    BtnUlozit->setDefault(true);
    BtnZrusit = new QPushButton(themedIcon(IconKind::Cancel), QStringLiteral("Zrušit"), this);
    BtnZrusit->setObjectName(QStringLiteral("BtnZrusit"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BtnUlozit);
    buttons->addWidget(BtnZrusit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GrpBoxUdaje);
    layout->addLayout(buttons);

    connect(ChkPresnyCas, &QCheckBox::toggled, this, &TFrmPridat::ChkPresnyCasClick);
    connect(BtnUlozit, &QPushButton::clicked, this, &TFrmPridat::BtnOKClick);
    connect(BtnZrusit, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(sizeHint().expandedTo(QSize(250, 222)));
}

void TFrmPridat::setPerson(const Person& p) {
    LblEditJmeno->setText(toQ(p.firstName));
    LblEditPrijmeni->setText(toQ(p.surname));
    NarDatum->setDate(toQDate(p.birthDate));
    ChkPresnyCas->setChecked(p.exactTime);
    NarCas->setTime(QTime(p.birthHour, p.birthMinute));
    CmbBoxPohlavi->setCurrentIndex(p.sex == 0 || p.sex == 1 ? p.sex : -1);
}

Person TFrmPridat::person() const {
    Person p;
    p.firstName = fromQ(LblEditJmeno->text());
    p.surname = fromQ(LblEditPrijmeni->text());
    const QDate d = NarDatum->date();
    p.birthDate = DateTime::fromDate(d.year(), d.month(), d.day()).value_or(DateTime{});
    p.birthHour = NarCas->time().hour();
    p.birthMinute = NarCas->time().minute();
    p.exactTime = ChkPresnyCas->isChecked();
    p.sex = CmbBoxPohlavi->currentIndex();
    return p;
}

void TFrmPridat::ChkPresnyCasClick() {
    NarCas->setEnabled(ChkPresnyCas->isChecked());
    NarCas->setTime(QTime(0, 0));
}

void TFrmPridat::setStoredRecords(std::vector<std::string> names, std::string edited) {
    m_stored = std::move(names);
    m_edited = std::move(edited);
}

void TFrmPridat::BtnOKClick() {
    const PersonEntryCheck check = checkPersonEntry(person(), m_stored, m_edited);
    switch (check.problem) {
    case PersonEntryProblem::None:
        break;
    case PersonEntryProblem::Incomplete:
        Dialogs::current().error(this, QStringLiteral("Chybí údaje"),
                                 QStringLiteral("Musíte vyplnit všechny údaje!"));
        return;
    case PersonEntryProblem::Unstorable: {
        QStringList characters;
        for (const std::string& c : check.characters) {
            characters << toQ(c);
        }
        Dialogs::current().error(
            this, QStringLiteral("Nepodporované znaky"),
            QStringLiteral("Jméno nebo příjmení obsahuje znaky, které nelze uložit: ") +
                characters.join(QLatin1Char(' ')));
        return;
    }
    case PersonEntryProblem::Exists:
        if (!Dialogs::current().askYesNo(this, MessageIcon::Warning,
                                         QStringLiteral("Potvrzení přepsání!"),
                                         QStringLiteral("Osoba %1 již existuje. Chcete ji přepsat?")
                                             .arg(toQ(check.existing)))) {
            return;
        }
        break;
    }
    accept();
}

} // namespace tarvenik
