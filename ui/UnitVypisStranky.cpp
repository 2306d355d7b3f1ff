// The numerology, biorhythm and time-span pages of the report.
#include "core/timespan.h"
#include "ui/BioChart.h"
#include "ui/Dialogs.h"
#include "ui/RichView.h"
#include "ui/TabStrip.h"
#include "ui/UnitVypis.h"
#include "ui/qtext.h"

#include <QDateEdit>
#include <QDateTimeEdit>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace tarvenik {

namespace {

QRadioButton* radio(QWidget* parent, const char* name, const char* caption) {
    auto* r = new QRadioButton(QString::fromUtf8(caption), parent);
    r->setObjectName(QString::fromLatin1(name));
    return r;
}

QLineEdit* numberField(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setReadOnly(true);
    e->setEnabled(false);
    e->setAlignment(Qt::AlignCenter);
    e->setFixedWidth(25);
    return e;
}

} // namespace

// ---- Numerology ------------------------------------------------------------------------

QWidget* TFrmVypis::buildNumerologyPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("TabSheetNumerologie"));
    GroupBox5 = new QGroupBox(QStringLiteral(" Údaje "), page);
    GroupBox5->setObjectName(QStringLiteral("GroupBox5"));
    RadBtnNumeroUzivatel = radio(GroupBox5, "RadBtnNumeroUzivatel", "Tvoje");
    RadBtnNumeroPartner = radio(GroupBox5, "RadBtnNumeroPartner", "Partnerovy");
    auto* who = new QHBoxLayout(GroupBox5);
    who->addWidget(RadBtnNumeroUzivatel);
    who->addWidget(RadBtnNumeroPartner);

    GroupBox2 = new QGroupBox(QStringLiteral(" Výpočet numerologie "), page);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    Label1 = new QLabel(QStringLiteral("Výhled na rok:"), GroupBox2);
    Label1->setObjectName(QStringLiteral("Label1"));
    SpinEditVyhled = new QSpinBox(GroupBox2);
    SpinEditVyhled->setObjectName(QStringLiteral("SpinEditVyhled"));
    SpinEditVyhled->setRange(1, 2999);

    const auto label = [this](const char* name, const char* caption) {
        auto* l = new QLabel(QString::fromUtf8(caption), GroupBox2);
        l->setObjectName(QString::fromLatin1(name));
        l->setCursor(Qt::WhatsThisCursor);
        l->setToolTip(QStringLiteral("Klikněte pro vypsání informací"));
        makeHoverLabel(l);
        return l;
    };
    LblZivDraha = label("LblZivDraha", "Životní dráha: .........................");
    LblOsud = label("LblOsud", "Osud: ..................................");
    LblVyzNav = label("LblVyzNav", "Výzva - návyky: ......................");
    LblOsRok = label("LblOsRok", "Osobní vibrace roku: .................");
    LblV1 = label("LblV1", "");
    LblV2 = label("LblV2", "");
    LblV3 = label("LblV3", "");
    LblV4 = label("LblV4", "");
    LblP1 = label("LblP1", "");
    LblP2 = label("LblP2", "");
    LblP3 = label("LblP3", "");
    LblP4 = label("LblP4", "");
    Label2 = new QLabel(QStringLiteral("Vrcholy:"), GroupBox2);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = new QLabel(QStringLiteral("Překonávání potíží:"), GroupBox2);
    Label3->setObjectName(QStringLiteral("Label3"));
    EdZivDraha = numberField(GroupBox2, "EdZivDraha");
    EdOsud = numberField(GroupBox2, "EdOsud");
    EdVyzNav = numberField(GroupBox2, "EdVyzNav");
    EdOsRok = numberField(GroupBox2, "EdOsRok");
    EdV1 = numberField(GroupBox2, "EdV1");
    EdV2 = numberField(GroupBox2, "EdV2");
    EdV3 = numberField(GroupBox2, "EdV3");
    EdV4 = numberField(GroupBox2, "EdV4");
    EdP1 = numberField(GroupBox2, "EdP1");
    EdP2 = numberField(GroupBox2, "EdP2");
    EdP3 = numberField(GroupBox2, "EdP3");
    EdP4 = numberField(GroupBox2, "EdP4");
    m_numberLabels = {
        {LblZivDraha, NumerologyNumber::LifePath},
        {LblOsud, NumerologyNumber::Destiny},
        {LblVyzNav, NumerologyNumber::ChallengeHabits},
        {LblOsRok, NumerologyNumber::PersonalYear},
        {LblV1, NumerologyNumber::Peak1},
        {LblV2, NumerologyNumber::Peak2},
        {LblV3, NumerologyNumber::Peak3},
        {LblV4, NumerologyNumber::Peak4},
        {LblP1, NumerologyNumber::Challenge1},
        {LblP2, NumerologyNumber::Challenge2},
        {LblP3, NumerologyNumber::Challenge3},
        {LblP4, NumerologyNumber::Challenge4},
    };

    auto* grid = new QGridLayout(GroupBox2);
    int row = 0;
    grid->addWidget(Label1, row, 0);
    grid->addWidget(SpinEditVyhled, row++, 1);
    for (auto [l, e] : {std::pair{LblZivDraha, EdZivDraha}, std::pair{LblOsud, EdOsud},
                        std::pair{LblVyzNav, EdVyzNav}, std::pair{LblOsRok, EdOsRok}}) {
        grid->addWidget(l, row, 0);
        grid->addWidget(e, row++, 1);
    }
    grid->addWidget(Label2, row++, 0);
    for (auto [l, e] : {std::pair{LblV1, EdV1}, std::pair{LblV2, EdV2}, std::pair{LblV3, EdV3},
                        std::pair{LblV4, EdV4}}) {
        grid->addWidget(l, row, 0);
        grid->addWidget(e, row++, 1);
    }
    grid->addWidget(Label3, row++, 0);
    for (auto [l, e] : {std::pair{LblP1, EdP1}, std::pair{LblP2, EdP2}, std::pair{LblP3, EdP3},
                        std::pair{LblP4, EdP4}}) {
        grid->addWidget(l, row, 0);
        grid->addWidget(e, row++, 1);
    }

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(GroupBox5);
    layout->addWidget(GroupBox2);
    layout->addStretch();

    connect(RadBtnNumeroUzivatel, &QRadioButton::clicked, this, &TFrmVypis::RadBtnNumeroClick);
    connect(RadBtnNumeroPartner, &QRadioButton::clicked, this, &TFrmVypis::RadBtnNumeroClick);
    connect(SpinEditVyhled, &QSpinBox::valueChanged, this, &TFrmVypis::SpinEditVyhledChange);
    return page;
}

void TFrmVypis::RadBtnNumeroClick() {
    m_shown = chosen(RadBtnNumeroPartner->isChecked()).numbers;
    const auto ranges = ageRangeLabels(m_shown.lifePath);
    for (std::size_t i = 0; i < 4; ++i) {
        std::array<QLabel*, 4>{LblV1, LblV2, LblV3, LblV4}[i]->setText(toQ(ranges[i]));
        std::array<QLabel*, 4>{LblP1, LblP2, LblP3, LblP4}[i]->setText(toQ(ranges[i]));
        std::array<QLineEdit*, 4>{EdV1, EdV2, EdV3, EdV4}[i]->setText(
            QString::number(m_shown.peaks[i]));
        std::array<QLineEdit*, 4>{EdP1, EdP2, EdP3, EdP4}[i]->setText(
            QString::number(m_shown.challenges[i]));
    }
    EdZivDraha->setText(QString::number(m_shown.lifePath));
    EdOsud->setText(QString::number(m_shown.destiny));
    EdVyzNav->setText(QString::number(m_shown.challengeHabits));
    EdOsRok->setText(QString::number(m_shown.personalYear));
}

void TFrmVypis::SpinEditVyhledChange() {
    m_outlookYear = SpinEditVyhled->value();
    setOutlookYear(m_people, m_outlookYear);
    RadBtnNumeroClick();
}

void TFrmVypis::NumKlik(QLabel* label) {
    for (const auto& [numberLabel, number] : m_numberLabels) {
        if (numberLabel != label) {
            continue;
        }
        setTabs({});
        RichEdit1->vycistirichedit();
        RichEdit1->hide();
        // A text that cannot be read leaves the view hidden until the next one.
        const auto text = numerologyText(toPath(m_appFolder), number, m_shown);
        if (!text) {
            Dialogs::current().fileError(this, text.error());
            return;
        }
        showDoc(*text);
        return;
    }
}

// ---- Biorhythms ------------------------------------------------------------------------

QWidget* TFrmVypis::buildBiorhythmPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("TabSheetBiorytmy"));
    GrpBoxBioUdaje = new QGroupBox(QStringLiteral(" Údaje "), page);
    GrpBoxBioUdaje->setObjectName(QStringLiteral("GrpBoxBioUdaje"));
    RadBtnBiorytmyUzivatel = radio(GrpBoxBioUdaje, "RadBtnBiorytmyUzivatel", "Tvoje");
    RadBtnBiorytmyUzivatel->setChecked(true);
    RadBtnBiorytmyPartner = radio(GrpBoxBioUdaje, "RadBtnBiorytmyPartner", "Partnerovy");
    auto* who = new QHBoxLayout(GrpBoxBioUdaje);
    who->addWidget(RadBtnBiorytmyUzivatel);
    who->addWidget(RadBtnBiorytmyPartner);

    GrpBoxBioOdDo = new QGroupBox(QStringLiteral(" Výpočet pro období "), page);
    GrpBoxBioOdDo->setObjectName(QStringLiteral("GrpBoxBioOdDo"));
    const auto picker = [this](const char* name) {
        auto* p = new QDateTimeEdit(GrpBoxBioOdDo);
        p->setObjectName(QString::fromLatin1(name));
        p->setDisplayFormat(QStringLiteral("d.M.yyyy")); // the time of day stays as it was
        p->setCalendarPopup(true);
        p->setMinimumDate(QDate(100, 1, 1));
        return p;
    };
    BiorytmyOdDate = picker("BiorytmyOdDate");
    BiorytmyDoDate = picker("BiorytmyDoDate");
    auto* range = new QFormLayout(GrpBoxBioOdDo);
    range->addRow(QStringLiteral("Od"), BiorytmyOdDate);
    range->addRow(QStringLiteral("do"), BiorytmyDoDate);

    BtnBiorytmyPocitat = new QPushButton(QStringLiteral("Vypočítat"), page);
    BtnBiorytmyPocitat->setObjectName(QStringLiteral("BtnBiorytmyPocitat"));
    BtnBiorytmyInfo = new QPushButton(QStringLiteral("Info"), page);
    BtnBiorytmyInfo->setObjectName(QStringLiteral("BtnBiorytmyInfo"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BtnBiorytmyPocitat);
    buttons->addWidget(BtnBiorytmyInfo);

    ChartBiorytmy = new BioChart(page, saveFolderOf(m_appFolder));
    ChartBiorytmy->setObjectName(QStringLiteral("ChartBiorytmy"));

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(GrpBoxBioUdaje);
    layout->addWidget(GrpBoxBioOdDo);
    layout->addLayout(buttons);
    layout->addWidget(ChartBiorytmy, 1);
    connect(BtnBiorytmyPocitat, &QPushButton::clicked, this, &TFrmVypis::BtnBiorytmyPocitatClick);
    connect(BtnBiorytmyInfo, &QPushButton::clicked, this, &TFrmVypis::BtnBiorytmyInfoClick);
    // Once calculated, the other person's listing and chart follow the choice at once.
    connect(RadBtnBiorytmyPartner, &QRadioButton::toggled, this, [this] {
        if (!ChartBiorytmy->isEmpty()) {
            BtnBiorytmyPocitatClick();
        }
    });
    return page;
}

void TFrmVypis::BtnBiorytmyPocitatClick() {
    setTabs({});
    RichEdit1->vycistirichedit();
    const Person& p = chosen(RadBtnBiorytmyPartner->isChecked()).person;
    const DateTime from = toDateTime(BiorytmyOdDate->dateTime());
    const DateTime to = toDateTime(BiorytmyDoDate->dateTime());
    showDoc(biorhythmDoc(p, from, to), false); // one day a line, as a table reads
    ChartBiorytmy->setRange(p.birthDate, from, to, toDateTime(now()));
}

void TFrmVypis::BtnBiorytmyInfoClick() {
    setTabs({});
    RichEdit1->vycistirichedit();
    const auto text = biorhythmInfoText(toPath(m_appFolder));
    if (!text) {
        Dialogs::current().fileError(this, text.error());
        return;
    }
    showDoc(*text);
}

// ---- Time spans ------------------------------------------------------------------------

QWidget* TFrmVypis::buildTimeSpanPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("TabSheetJakDlouho"));
    GrpBoxUdaje = new QGroupBox(QStringLiteral(" Údaje "), page);
    GrpBoxUdaje->setObjectName(QStringLiteral("GrpBoxUdaje"));
    RadBtnTvoje = radio(GrpBoxUdaje, "RadBtnTvoje", "Tvoje");
    RadBtnTvoje->setChecked(true);
    RadBtnPartner = radio(GrpBoxUdaje, "RadBtnPartner", "Partnerovy");
    RadBtnVlastni = radio(GrpBoxUdaje, "RadBtnVlastni", "Vlastní");
    auto* line = new QFrame(GrpBoxUdaje);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto* who = new QVBoxLayout(GrpBoxUdaje);
    who->addWidget(RadBtnTvoje);
    who->addWidget(RadBtnPartner);
    who->addWidget(line);
    who->addWidget(RadBtnVlastni);

    GrpBoxPocitat = new QGroupBox(QStringLiteral(" Počítat "), page);
    GrpBoxPocitat->setObjectName(QStringLiteral("GrpBoxPocitat"));
    RadBtnZivot = radio(GrpBoxPocitat, "RadBtnZivot", "Jak dlouho žiješ");
    RadBtnZivot->setChecked(true);
    RadBtnDalsiNarozeniny =
        radio(GrpBoxPocitat, "RadBtnDalsiNarozeniny", "Čas do dalších narozenin");
    RadBtnDalsiSvatek = radio(GrpBoxPocitat, "RadBtnDalsiSvatek", "Čas do dalšího svátku");
    RadBtnMinuleNarozeniny =
        radio(GrpBoxPocitat, "RadBtnMinuleNarozeniny", "Čas od minulých narozenin");
    RadBtnMinulySvatek = radio(GrpBoxPocitat, "RadBtnMinulySvatek", "Čas od minulého svátku");
    RadBtnRozdil = radio(GrpBoxPocitat, "RadBtnRozdil", "Věkový rozdíl s partnerem");
    auto* what = new QVBoxLayout(GrpBoxPocitat);
    for (QRadioButton* r : {RadBtnZivot, RadBtnDalsiNarozeniny, RadBtnDalsiSvatek,
                            RadBtnMinuleNarozeniny, RadBtnMinulySvatek, RadBtnRozdil}) {
        what->addWidget(r);
        connect(r, &QRadioButton::clicked, this, &TFrmVypis::blee);
    }

    GrpBoxVlastni = new QGroupBox(QStringLiteral(" Počítat "), page);
    GrpBoxVlastni->setObjectName(QStringLiteral("GrpBoxVlastni"));
    RadBtnOd = radio(GrpBoxVlastni, "RadBtnOd", "Kolik času uplynulo od...");
    RadBtnOd->setChecked(true);
    RadBtnDo = radio(GrpBoxVlastni, "RadBtnDo", "Kolik času zbývá do...");
    RadBtnMezi = radio(GrpBoxVlastni, "RadBtnMezi", "Časový rozdíl mezi...");
    DateOd = new QDateEdit(QDate(2000, 1, 1), GrpBoxVlastni);
    DateOd->setObjectName(QStringLiteral("DateOd"));
    DateDo = new QDateEdit(QDate(2012, 12, 23), GrpBoxVlastni);
    DateDo->setObjectName(QStringLiteral("DateDo"));
    TimeOd = new QTimeEdit(QTime(0, 0), GrpBoxVlastni);
    TimeOd->setObjectName(QStringLiteral("TimeOd"));
    TimeDo = new QTimeEdit(QTime(12, 22), GrpBoxVlastni);
    TimeDo->setObjectName(QStringLiteral("TimeDo"));
    for (QDateEdit* d : {DateOd, DateDo}) {
        d->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        d->setCalendarPopup(true);
        d->setMinimumDate(QDate(100, 1, 1));
        connect(d, &QDateEdit::dateChanged, this, &TFrmVypis::blee);
    }
    for (QTimeEdit* t : {TimeOd, TimeDo}) {
        t->setDisplayFormat(QStringLiteral("HH:mm"));
        connect(t, &QTimeEdit::timeChanged, this, &TFrmVypis::blee);
    }
    EditPocCo = new QLineEdit(GrpBoxVlastni);
    EditPocCo->setObjectName(QStringLiteral("EditPocCo"));
    auto* custom = new QGridLayout(GrpBoxVlastni);
    custom->addWidget(RadBtnOd, 0, 0, 1, 2);
    custom->addWidget(RadBtnDo, 1, 0, 1, 2);
    custom->addWidget(RadBtnMezi, 2, 0, 1, 2);
    custom->addWidget(DateOd, 3, 0);
    custom->addWidget(TimeOd, 3, 1);
    custom->addWidget(DateDo, 4, 0);
    custom->addWidget(TimeDo, 4, 1);
    custom->addWidget(EditPocCo, 5, 0, 1, 2);
    GrpBoxVlastni->hide();

    GrpBoxJakDlouho = new QGroupBox(QStringLiteral(" Jak dlouho... "), page);
    GrpBoxJakDlouho->setObjectName(QStringLiteral("GrpBoxJakDlouho"));
    auto* figures = new QFormLayout(GrpBoxJakDlouho);
    const auto field = [this, figures](const char* name, const char* caption) {
        auto* e = new QLineEdit(GrpBoxJakDlouho);
        e->setObjectName(QString::fromLatin1(name));
        e->setReadOnly(true);
        figures->addRow(QString::fromUtf8(caption), e);
        return e;
    };
    LblEditLet = field("LblEditLet", "Let..........");
    LblEditMesicu = field("LblEditMesicu", "Měsíců......");
    LblEditTydnu = field("LblEditTydnu", "Týdnů.......");
    LblEditDnu = field("LblEditDnu", "Dnů.........");
    LblEditHodin = field("LblEditHodin", "Hodin.......");
    LblEditMinut = field("LblEditMinut", "Minut.......");
    LblEditSekund = field("LblEditSekund", "Sekund.....");
    EditCelkove = new QLineEdit(GrpBoxJakDlouho);
    EditCelkove->setObjectName(QStringLiteral("EditCelkove"));
    EditCelkove->setReadOnly(true);
    figures->addRow(EditCelkove);

    // The person and the choice side by side keep the page as short as the others.
    auto* choices = new QHBoxLayout;
    choices->addWidget(GrpBoxUdaje, 0, Qt::AlignTop);
    choices->addWidget(GrpBoxPocitat, 1);
    choices->addWidget(GrpBoxVlastni, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(choices);
    layout->addWidget(GrpBoxJakDlouho);
    layout->addStretch();
    for (QRadioButton* r :
         {RadBtnTvoje, RadBtnPartner, RadBtnVlastni, RadBtnOd, RadBtnDo, RadBtnMezi}) {
        connect(r, &QRadioButton::clicked, this, &TFrmVypis::RadBtnClovekClick);
    }
    return page;
}

bool TFrmVypis::spanPartnerSelected() const {
    return RadBtnPartner->isChecked();
}

SpanChoice TFrmVypis::spanChoice() const {
    if (RadBtnVlastni->isChecked()) {
        return RadBtnOd->isChecked()
                   ? SpanChoice::CustomSince
                   : (RadBtnDo->isChecked() ? SpanChoice::CustomUntil : SpanChoice::CustomBetween);
    }
    if (RadBtnDalsiNarozeniny->isChecked())
        return SpanChoice::NextBirthday;
    if (RadBtnDalsiSvatek->isChecked())
        return SpanChoice::NextNameDay;
    if (RadBtnMinuleNarozeniny->isChecked())
        return SpanChoice::PreviousBirthday;
    if (RadBtnMinulySvatek->isChecked())
        return SpanChoice::PreviousNameDay;
    if (RadBtnRozdil->isChecked())
        return SpanChoice::AgeDifference;
    return SpanChoice::Life;
}

SpanContext TFrmVypis::spanContext() const {
    SpanContext c;
    c.selected = spanPartnerSelected() ? m_horoscopes.partner : m_horoscopes.user;
    c.userBirth = m_horoscopes.user.birth;
    c.partnerBirth = m_horoscopes.partner.birth;
    c.customFrom = toDateTime(QDateTime(DateOd->date(), TimeOd->time()));
    c.customTo = toDateTime(QDateTime(DateDo->date(), TimeDo->time()));
    c.now = toDateTime(now());
    return c;
}

void TFrmVypis::RadBtnClovekClick() {
    if (RadBtnVlastni->isChecked()) {
        RichEdit1->vycistirichedit();
        GrpBoxPocitat->hide();
        GrpBoxVlastni->show();
        const bool since = RadBtnOd->isChecked();
        const bool until = RadBtnDo->isChecked();
        DateOd->setEnabled(!until);
        TimeOd->setEnabled(!until);
        DateDo->setEnabled(!since);
        TimeDo->setEnabled(!since);
        EditPocCo->setText(since   ? QStringLiteral("začátku roku 2000")
                           : until ? QStringLiteral("konce světa")
                                   : QStringLiteral("začátkem roku 2000 a koncem světa"));
    } else {
        GrpBoxVlastni->hide();
        GrpBoxPocitat->show();
        for (QRadioButton* r : {RadBtnZivot, RadBtnDalsiNarozeniny, RadBtnMinuleNarozeniny}) {
            r->setEnabled(true);
        }
        RadBtnRozdil->setEnabled(m_people.hasPartner);
        const bool nameDay = chosen(spanPartnerSelected()).hasNameDay;
        RadBtnDalsiSvatek->setEnabled(nameDay);
        RadBtnMinulySvatek->setEnabled(nameDay);
        if (!nameDay && (RadBtnDalsiSvatek->isChecked() || RadBtnMinulySvatek->isChecked())) {
            RadBtnZivot->setChecked(true);
        }
    }
    blee();
}

void TFrmVypis::blee() {
    if (PageControl1->currentWidget() != TabSheetJakDlouho) {
        return;
    }
    JakDlouho();
    JakDlouhoVypis();
}

void TFrmVypis::JakDlouho() {
    const SpanEnds ends = spanEnds(spanChoice(), spanContext());
    const auto figures = spanFigures(ends.start, ends.end);
    const std::array<QLineEdit*, 7> fields{LblEditLet,   LblEditMesicu, LblEditTydnu, LblEditDnu,
                                           LblEditHodin, LblEditMinut,  LblEditSekund};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields[i]->setText(toQ(figures[i]));
    }
    EditCelkove->setText(toQ(spanBreakdown(ends.start, ends.end, now().date().day())));
}

void TFrmVypis::JakDlouhoVypis() {
    SpanReport r;
    r.choice = spanChoice();
    const auto name = [](const Person& p) { return p.firstName + " " + p.surname; };
    r.userName = name(m_people.user.person);
    r.partnerName = name(m_people.partner.person);
    r.selectedName = name(chosen(spanPartnerSelected()).person);
    r.customText = fromQ(EditPocCo->text());
    r.context = spanContext();
    const std::array<QLineEdit*, 7> fields{LblEditLet,   LblEditMesicu, LblEditTydnu, LblEditDnu,
                                           LblEditHodin, LblEditMinut,  LblEditSekund};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        r.figures[i] = fromQ(fields[i]->text());
    }
    r.breakdown = fromQ(EditCelkove->text());

    showDoc(spanDoc(spanReportLines(r)));
}

} // namespace tarvenik
