// The horoscope page of the report: which button shows which system and sign, and how
// the text of a sign is found, loaded and cut.
#include "core/horoscopetexts.h"
#include "data/horoscopes.h"
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

constexpr const char* kUser = "uzivatel";
constexpr const char* kPartner = "partner";

struct Row {
    QPushButton* TFrmVypis::*button;
    QPushButton* TFrmVypis::*twin;
    const char* name;
    const char* caption;
    const char* system;
};

// The rows of " Normální ", top to bottom.
const Row kRows[] = {
    {&TFrmVypis::BtnSlunecni, &TFrmVypis::BtnSlunecni2, "BtnSlunecni", "Sluneční", "Sluneční"},
    {&TFrmVypis::BtnAscendent, &TFrmVypis::BtnAscendent2, "BtnAscendent", "Ascendent", "Ascendent"},
    {&TFrmVypis::BtnMesicni, &TFrmVypis::BtnMesicni2, "BtnMesicni", "Měsíční", "Měsíční"},
    {&TFrmVypis::BtnCinsky, &TFrmVypis::BtnCinsky2, "BtnCinsky", "Čínský", "Čínský"},
    {&TFrmVypis::BtnCisarsky, &TFrmVypis::BtnCisarsky2, "BtnCisarsky", "Čínský císařský",
     "Čínský císařský"},
    {&TFrmVypis::BtnKeltsky, &TFrmVypis::BtnKeltsky2, "BtnKeltsky", "Keltský", "Keltský"},
    {&TFrmVypis::BtnEgyptsky, &TFrmVypis::BtnEgyptsky2, "BtnEgyptsky", "Egyptský", "Egyptský"},
    {&TFrmVypis::BtnCyklicky, &TFrmVypis::BtnCyklicky2, "BtnCyklicky", "Cyklický", "Cyklický"},
    {&TFrmVypis::BtnIndiansky, &TFrmVypis::BtnIndiansky2, "BtnIndiansky", "Indiánský", "Indiánský"},
    {&TFrmVypis::BtnAztecky, &TFrmVypis::BtnAztecky2, "BtnAztecky", "Aztécký", "Aztécký"},
    {&TFrmVypis::BtnIndicky, &TFrmVypis::BtnIndicky2, "BtnIndicky", "Indický", "Indický"},
    {&TFrmVypis::BtnCikansky, &TFrmVypis::BtnCikansky2, "BtnCikansky", "Cikánský ", "Cikánský"},
    {&TFrmVypis::BtnPravdivy, &TFrmVypis::BtnPravdivy2, "BtnPravdivy", "Skutečně \"pravdivý\"",
     "Pravdivý"},
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

std::string signOf(const PersonSigns& s, const HoroscopeSet& set, SignSource source) {
    switch (source) {
    case SignSource::Sun:
        return s.sun;
    case SignSource::Ascendant:
        return s.ascendant;
    case SignSource::Lunar:
        return s.lunar;
    case SignSource::ChineseAnimal:
        return s.chineseAnimal;
    case SignSource::ChineseSeason:
        return s.chineseSeason;
    case SignSource::Celtic:
        return s.celtic;
    case SignSource::Egyptian:
        return s.egyptian;
    case SignSource::Cyclic:
        return s.cyclic;
    case SignSource::NativeAmerican:
        return s.nativeAmerican;
    case SignSource::Aztec:
        return s.aztec;
    case SignSource::Indian:
        return s.indian;
    case SignSource::Gypsy:
        return s.gypsy;
    case SignSource::PartnerSunKey:
        return set.partnerSunKey;
    case SignSource::PartnerChineseKey:
        return set.partnerChineseKey;
    case SignSource::PartnerJapaneseKey:
        return set.partnerJapaneseKey;
    case SignSource::InfoCaption:
        break;
    }
    return {};
}

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
        m_horoscopeButtons.push_back({main, r.system, false});
        m_horoscopeButtons.push_back({twin, r.system, true});
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
    m_horoscopeButtons.push_back({BtnSlunecniPartnersky, "Partnerský sluneční", false});
    m_horoscopeButtons.push_back({BtnCinskyPartnersky, "Partnerský čínský", false});
    m_horoscopeButtons.push_back({BtnJaponskyPartnersky, "Partnerský japonský", false});
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

std::string TFrmVypis::signFor(QPushButton* button) const {
    for (const HoroscopeButton& b : m_horoscopeButtons) {
        if (b.button == button) {
            const PersonSigns& s = b.partner ? m_horoscopes.signs.partner : m_horoscopes.signs.user;
            return signOf(s, m_horoscopes.signs, *signSourceOf(b.system));
        }
    }
    return {};
}

void TFrmVypis::HorKlik(QPushButton* button) {
    for (const HoroscopeButton& b : m_horoscopeButtons) {
        if (b.button != button) {
            continue;
        }
        m_selection.system = b.system;
        m_selection.sign = signFor(button);
        m_selection.sexTabRule =
            m_selection.system == "Sluneční" ? sexTabRuleOf(chosen(b.partner).person.sex) : 0;
        if (m_selection.system == "Čínský" || m_selection.system == "Čínský císařský") {
            m_selection.currentPerson = b.partner ? kPartner : kUser;
        }
        zobraz_horoskopy();
        return;
    }
}

void TFrmVypis::InfKlik(QPushButton* button) {
    m_selection.system = kInfoSystem;
    m_selection.sign = fromQ(button->text());
    m_selection.sexTabRule = 0;
    zobraz_horoskopy();
}

void TFrmVypis::zobraz_horoskopy() {
    RichEdit1->vycistirichedit();
    const std::filesystem::path folder = toPath(m_appFolder);
    const auto tabs = readTabs(folder, m_selection.system);
    std::vector<std::string> captions;
    if (tabs) {
        captions = *tabs;
    } else if (!tabs.error().notFound()) {
        Dialogs::current().fileError(this, tabs.error());
    }
    setTabs(captions);
    RichEdit1->hide();

    const std::string* tab = captions.empty() ? nullptr : &captions.front();
    RichDoc doc;
    if (!loadText(horoscopeTextPath(folder, m_selection.system, m_selection.sign, tab), doc,
                  false)) {
        doc = {};
        appendLine(doc, kTextMissing);
    }
    // The tab of the other sex goes; the text of the first tab stays.
    const int removed = m_selection.sexTabRule == 1 ? 3 : (m_selection.sexTabRule == 2 ? 2 : -1);
    if (removed >= 0 && removed < TabControl1->count()) {
        m_fillingTabs = true;
        TabControl1->removeTab(removed);
        m_fillingTabs = false;
    }
    if (m_selection.system == "Čínský císařský") {
        const bool partner = m_selection.currentPerson == kPartner;
        const PersonSigns& s = partner ? m_horoscopes.signs.partner : m_horoscopes.signs.user;
        imperialCut(doc, s.chineseSeason, s.chineseAnimal);
    }
    showDoc(doc);
}

void TFrmVypis::TabControl1Change() {
    const int index = TabControl1->currentIndex();
    if (index < 0) {
        return;
    }
    RichEdit1->hide();
    RichEdit1->vycistirichedit();
    const std::string caption = fromQ(TabControl1->tabText(index));
    RichDoc doc;
    if (!loadText(
            horoscopeTextPath(toPath(m_appFolder), m_selection.system, m_selection.sign, &caption),
            doc, false)) {
        doc = {};
        appendLine(doc, kTextMissing);
    } else if (caption == "Vliv měsíce" && !m_selection.currentPerson.empty()) {
        const bool partner = m_selection.currentPerson == kPartner;
        const int month = chosen(partner).person.birthDate.month();
        const bool ownAnimal = m_selection.sign == m_horoscopes.signs.user.chineseAnimal ||
                               m_selection.sign == m_horoscopes.signs.partner.chineseAnimal;
        lunarInfluenceCut(doc, month, ownAnimal);
    }
    showDoc(doc);
}

} // namespace tarvenik
