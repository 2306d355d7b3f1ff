#include "ui/UnitHoroskopy.h"

#include "data/horoscopes.h"
#include "platform/rtfreader.h"
#include "ui/Dialogs.h"
#include "ui/RichView.h"
#include "ui/TabStrip.h"
#include "ui/icons/Icons.h"
#include "ui/qtext.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvenik {

namespace {

// Written without accents, as the program has always shown it.
const char* const kTextMissing = "Nektere soubory chybi, prosim preinstalujte aplikaci";

template <class W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

TFrmHoroskopy::TFrmHoroskopy(QWidget* parent, const QString& appFolder)
    : QDialog(parent), m_appFolder(appFolder) {
    setObjectName(QStringLiteral("FrmHoroskopy"));
    setWindowTitle(QStringLiteral("Tarvenik :: Přehled horoskopů"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    buildControls();

    for (const std::string& system : listHoroscopeSystems(toPath(m_appFolder))) {
        ComboBoxHoroskop->addItem(toQ(system));
    }
    // Every system shows in the drop-down without scrolling.
    ComboBoxHoroskop->setMaxVisibleItems(std::max(1, ComboBoxHoroskop->count()));
    ComboBoxHoroskop->setCurrentIndex(-1);

    connect(ComboBoxHoroskop, &QComboBox::activated, this, &TFrmHoroskopy::ComboBoxHoroskopChange);
    connect(ComboBoxZnameni, &QComboBox::activated, this, &TFrmHoroskopy::ComboBoxZnameniChange);
    connect(TabControl1, &TabStrip::currentChanged, this, [this](int index) {
        if (!m_fillingTabs) {
            TabControl1Change(index);
        }
    });
    connect(BtnTisk, &QPushButton::clicked, this, &TFrmHoroskopy::BtnTiskClick);
    connect(BtnUlozit, &QPushButton::clicked, this, &TFrmHoroskopy::BtnUlozitClick);

    resize(QSize(688, 448).expandedTo(minimumSizeHint()));
    setFixedSize(size());
}

void TFrmHoroskopy::buildControls() {
    LblHoroskop = named(new QLabel(QStringLiteral("Horoskop"), this), "LblHoroskop");
    ComboBoxHoroskop = named(new QComboBox(this), "ComboBoxHoroskop");
    ComboBoxHoroskop->setMinimumWidth(170);
    LblHoroskop->setBuddy(ComboBoxHoroskop);
    LblZnameni = named(new QLabel(QStringLiteral("Znamení"), this), "LblZnameni");
    ComboBoxZnameni = named(new QComboBox(this), "ComboBoxZnameni");
    ComboBoxZnameni->setMinimumWidth(200);
    LblZnameni->setBuddy(ComboBoxZnameni);
    BtnTisk = named(new QPushButton(themedIcon(IconKind::Print), QStringLiteral("Tisk"), this),
                    "BtnTisk");
    BtnUlozit = named(new QPushButton(themedIcon(IconKind::Save), QStringLiteral("Uložit"), this),
                      "BtnUlozit");
    for (QPushButton* b : {BtnTisk, BtnUlozit}) {
        b->setAutoDefault(false);
    }

    TabControl1 = named(new TabStrip(this), "TabControl1");
    TabControl1->setEnabled(false);
    RichEdit1 = named(new RichView(this), "RichEdit1");
    RichEdit1->setScrollBars(Qt::ScrollBarAsNeeded, Qt::ScrollBarAlwaysOn);
    QPalette white = RichEdit1->palette();
    white.setColor(QPalette::Base, Qt::white);
    RichEdit1->setPalette(white);

    auto* top = new QHBoxLayout;
    top->addWidget(LblHoroskop);
    top->addWidget(ComboBoxHoroskop);
    top->addSpacing(12);
    top->addWidget(LblZnameni);
    top->addWidget(ComboBoxZnameni);
    top->addStretch(1);
    top->addWidget(BtnTisk);
    top->addWidget(BtnUlozit);

    auto* text = new QVBoxLayout;
    text->setSpacing(0);
    text->addWidget(TabControl1);
    text->addWidget(RichEdit1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(top);
    layout->addLayout(text, 1);
}

void TFrmHoroskopy::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_centred && screen()) {
        move(screen()->availableGeometry().center() - rect().center());
        m_centred = true;
    }
}

void TFrmHoroskopy::ComboBoxHoroskopChange(int index) {
    auto opened =
        openCatalogueSystem(toPath(m_appFolder), fromQ(ComboBoxHoroskop->itemText(index)));
    if (!opened) {
        Dialogs::current().fileError(this, opened.error());
        // The sign list keeps its lines, so the list shows the system they belong to.
        ComboBoxHoroskop->setCurrentIndex(ComboBoxHoroskop->findText(toQ(m_catalogue.system)));
        return;
    }
    m_catalogue = std::move(opened).value();
    RichEdit1->vycistirichedit();
    ComboBoxZnameni->clear();
    for (const std::string& sign : m_catalogue.signs) {
        ComboBoxZnameni->addItem(toQ(sign));
    }
    ComboBoxZnameni->setCurrentIndex(-1);
    setTabs(m_catalogue.tabs);
    TabControl1->setEnabled(catalogueTabsEnabled(m_catalogue));
}

void TFrmHoroskopy::ComboBoxZnameniChange(int index) {
    if (index < 0) {
        return;
    }
    m_catalogue = chooseCatalogueSign(std::move(m_catalogue), static_cast<std::size_t>(index));
    showText();
}

void TFrmHoroskopy::TabControl1Change(int index) {
    if (index < 0) {
        return;
    }
    m_catalogue = chooseCatalogueTab(std::move(m_catalogue), static_cast<std::size_t>(index));
    showText();
}

void TFrmHoroskopy::setTabs(const std::vector<std::string>& captions) {
    m_fillingTabs = true;
    while (TabControl1->count() > 0) {
        TabControl1->removeTab(0);
    }
    for (const std::string& c : captions) {
        TabControl1->addTab(toQ(c));
    }
    TabControl1->setCurrentIndex(0);
    m_fillingTabs = false;
}

void TFrmHoroskopy::showText() {
    RichEdit1->vycistirichedit();
    TabControl1->setEnabled(catalogueTabsEnabled(m_catalogue));
    const auto path = catalogueTextPath(toPath(m_appFolder), m_catalogue);
    if (!path) {
        return;
    }
    const auto text = readRtfFile(*path);
    if (!text) {
        if (text.error().notFound()) {
            Dialogs::current().plain(this, QString::fromUtf8(kTextMissing));
        } else {
            Dialogs::current().fileError(this, text.error());
        }
        return;
    }
    RichEdit1->setRichDoc(*text);
}

void TFrmHoroskopy::BtnTiskClick() {
    // Unlike saving, printing does not look whether there is any text.
    QPrinter printer;
    printer.setDocName(QStringLiteral("Tarvenik :: horoskopy"));
    if (Dialogs::current().print(this, printer)) {
        RichEdit1->print(printer);
    }
}

void TFrmHoroskopy::BtnUlozitClick() {
    const QString sign = m_catalogue.sign ? toQ(m_catalogue.signs[*m_catalogue.sign]) : QString();
    saveShownText(this, *RichEdit1, m_appFolder, sign);
}

} // namespace tarvenik
