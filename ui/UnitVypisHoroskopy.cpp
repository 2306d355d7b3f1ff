// The horoscope page of the report: its buttons, each bound to a system and a side; what
// a button or a tab shows comes from report/horoscopeview.
#include "ui/Dialogs.h"
#include "ui/RichView.h"
#include "ui/TabStrip.h"
#include "ui/UnitVypis.h"
#include "ui/qtext.h"

#include <QGridLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tarvenik {

namespace {

struct Row {
    QPushButton* TFrmVypis::*button;
    QPushButton* TFrmVypis::*twin;
    const char* name;
    const char* caption;
    HoroscopeSystem system;
};

// The rows of " Normální ", top to bottom.
const Row kRows[] = {
    {&TFrmVypis::BtnSlunecni, &TFrmVypis::BtnSlunecni2, "BtnSlunecni", "Sluneční",
     HoroscopeSystem::Sun},
    {&TFrmVypis::BtnAscendent, &TFrmVypis::BtnAscendent2, "BtnAscendent", "Ascendent",
     HoroscopeSystem::Ascendant},
    {&TFrmVypis::BtnMesicni, &TFrmVypis::BtnMesicni2, "BtnMesicni", "Měsíční",
     HoroscopeSystem::Lunar},
    {&TFrmVypis::BtnCinsky, &TFrmVypis::BtnCinsky2, "BtnCinsky", "Čínský",
     HoroscopeSystem::Chinese},
    {&TFrmVypis::BtnCisarsky, &TFrmVypis::BtnCisarsky2, "BtnCisarsky", "Čínský císařský",
     HoroscopeSystem::ImperialChinese},
    {&TFrmVypis::BtnKeltsky, &TFrmVypis::BtnKeltsky2, "BtnKeltsky", "Keltský",
     HoroscopeSystem::Celtic},
    {&TFrmVypis::BtnEgyptsky, &TFrmVypis::BtnEgyptsky2, "BtnEgyptsky", "Egyptský",
     HoroscopeSystem::Egyptian},
    {&TFrmVypis::BtnCyklicky, &TFrmVypis::BtnCyklicky2, "BtnCyklicky", "Cyklický",
     HoroscopeSystem::Cyclic},
    {&TFrmVypis::BtnIndiansky, &TFrmVypis::BtnIndiansky2, "BtnIndiansky", "Indiánský",
     HoroscopeSystem::NativeAmerican},
    {&TFrmVypis::BtnAztecky, &TFrmVypis::BtnAztecky2, "BtnAztecky", "Aztécký",
     HoroscopeSystem::Aztec},
    {&TFrmVypis::BtnIndicky, &TFrmVypis::BtnIndicky2, "BtnIndicky", "Indický",
     HoroscopeSystem::Indian},
    {&TFrmVypis::BtnCikansky, &TFrmVypis::BtnCikansky2, "BtnCikansky", "Cikánský ",
     HoroscopeSystem::Gypsy},
    {&TFrmVypis::BtnPravdivy, &TFrmVypis::BtnPravdivy2, "BtnPravdivy", "Skutečně \"pravdivý\"",
     HoroscopeSystem::TrueSun},
};

struct Info {
    QPushButton* TFrmVypis::*button;
    const char* name;
    const char* caption;
};

const Info kInfos[] = {
    {&TFrmVypis::BtnInfoSlunecni, "BtnInfoSlunecni", "Sluneční"},
    {&TFrmVypis::BtnInfoSlunecniPartnersky, "BtnInfoSlunecniPartnersky", "Sluneční partnerský"},
    {&TFrmVypis::BtnInfoAscendent, "BtnInfoAscendent", "Ascendent"},
    {&TFrmVypis::BtnInfoMesicni, "BtnInfoMesicni", "Měsíční"},
    {&TFrmVypis::BtnInfoCinsky, "BtnInfoCinsky", "Čínský"},
    {&TFrmVypis::BtnInfoCinskyPartnersky, "BtnInfoCinskyPartnersky", "Čínský partnerský"},
    {&TFrmVypis::BtnInfoCisarsky, "BtnInfoCisarsky", "Čínský císařský"},
    {&TFrmVypis::BtnInfoKeltsky, "BtnInfoKeltsky", "Keltský"},
    {&TFrmVypis::BtnInfoEgyptsky, "BtnInfoEgyptsky", "Egyptský"},
    {&TFrmVypis::BtnInfoCyklycky, "BtnInfoCyklycky", "Cyklický"},
    {&TFrmVypis::BtnInfoIndiansky, "BtnInfoIndiansky", "Indiánský"},
    {&TFrmVypis::BtnInfoAztecky, "BtnInfoAztecky", "Aztécký"},
    {&TFrmVypis::BtnInfoIndicky, "BtnInfoIndicky", "Indický"},
    {&TFrmVypis::BtnInfoCikansky, "BtnInfoCikansky", "Cikánský"},
    {&TFrmVypis::BtnInfoJaponskyPartnersky, "BtnInfoJaponskyPartnersky", "Japonský partnerský"},
};

} // namespace

QWidget* TFrmVypis::buildHoroscopePage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("TabSheetHoroskopy"));
    HoroskopyStranky = new QTabWidget(page);
    HoroskopyStranky->setObjectName(QStringLiteral("HoroskopyStranky"));

    const auto button = [this](QWidget* parent, const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, parent);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, [this, b] { HorKlik(b); });
        return b;
    };

    auto* normal = new QWidget(HoroskopyStranky);
    auto* grid = new QGridLayout(normal);
    grid->setVerticalSpacing(2);
    int row = 0;
    for (const Row& r : kRows) {
        QPushButton* main = button(normal, r.name, QString::fromUtf8(r.caption));
        QPushButton* twin =
            button(normal, (std::string(r.name) + "2").c_str(), QStringLiteral("Partner"));
        this->*r.button = main;
        this->*r.twin = twin;
        m_horoscopeButtons.push_back({main, r.system, Side::User});
        m_horoscopeButtons.push_back({twin, r.system, Side::Partner});
        grid->addWidget(main, row, 0);
        grid->addWidget(twin, row, 1);
        ++row;
    }
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);

    auto* partners = new QWidget(HoroskopyStranky);
    auto* partnerColumn = new QVBoxLayout(partners);
    BtnSlunecniPartnersky =
        button(partners, "BtnSlunecniPartnersky", QStringLiteral("Sluneční partnerský"));
    BtnCinskyPartnersky =
        button(partners, "BtnCinskyPartnersky", QStringLiteral("Čínský partnerský"));
    BtnJaponskyPartnersky =
        button(partners, "BtnJaponskyPartnersky", QStringLiteral("Japonský partnerský"));
    m_horoscopeButtons.push_back({BtnSlunecniPartnersky, HoroscopeSystem::PartnerSun, Side::User});
    m_horoscopeButtons.push_back(
        {BtnCinskyPartnersky, HoroscopeSystem::PartnerChinese, Side::User});
    m_horoscopeButtons.push_back(
        {BtnJaponskyPartnersky, HoroscopeSystem::PartnerJapanese, Side::User});
    for (QPushButton* b : {BtnSlunecniPartnersky, BtnCinskyPartnersky, BtnJaponskyPartnersky}) {
        partnerColumn->addWidget(b);
    }
    partnerColumn->addStretch();

    auto* infos = new QWidget(HoroskopyStranky);
    auto* infoColumn = new QVBoxLayout(infos);
    infoColumn->setSpacing(2);
    for (const Info& i : kInfos) {
        auto* b = new QPushButton(QString::fromUtf8(i.caption), infos);
        b->setObjectName(QString::fromLatin1(i.name));
        connect(b, &QPushButton::clicked, this, [this, b] { InfKlik(b); });
        this->*i.button = b;
        infoColumn->addWidget(b);
    }
    infoColumn->addStretch();

    HoroskopyStranky->addTab(normal, QStringLiteral(" Normální "));
    HoroskopyStranky->addTab(partners, QStringLiteral(" Partnerské "));
    HoroskopyStranky->addTab(infos, QStringLiteral("  Informace "));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(HoroskopyStranky);
    return page;
}

void TFrmVypis::HorKlik(QPushButton* button) {
    for (const HoroscopeButton& b : m_horoscopeButtons) {
        if (b.button == button) {
            m_selection = horoscopeButton(m_selection, b.system, b.side, m_horoscopes.signs,
                                          m_people.of(b.side).person.sex);
            zobraz_horoskopy();
            return;
        }
    }
}

void TFrmVypis::InfKlik(QPushButton* button) {
    m_selection = infoButton(m_selection, fromQ(button->text()));
    zobraz_horoskopy();
}

void TFrmVypis::zobraz_horoskopy() {
    RichEdit1->vycistirichedit();
    const HoroscopeView view = horoscopeView(toPath(m_appFolder), m_selection, m_horoscopes.signs);
    if (view.tabsError) {
        Dialogs::current().fileError(this, *view.tabsError);
    }
    setTabs(view.tabs);
    RichEdit1->hide();
    showHoroscopeText(view.text);
}

void TFrmVypis::TabControl1Change() {
    const int index = TabControl1->currentIndex();
    if (index < 0) {
        return;
    }
    RichEdit1->hide();
    RichEdit1->vycistirichedit();
    showHoroscopeText(horoscopeTabText(toPath(m_appFolder), m_selection,
                                       fromQ(TabControl1->tabText(index)), m_people,
                                       m_horoscopes.signs));
}

void TFrmVypis::showHoroscopeText(const HoroscopeText& text) {
    if (text.error) {
        Dialogs::current().fileError(this, *text.error);
    }
    showDoc(text.doc);
}

} // namespace tarvenik
