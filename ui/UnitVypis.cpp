#include "ui/UnitVypis.h"

#include "core/biorhythm.h"
#include "ui/Dialogs.h"
#include "ui/RichView.h"
#include "ui/TabStrip.h"
#include "ui/UnitCekejte.h"
#include "ui/icons/Icons.h"
#include "ui/qtext.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace tarvenik {

namespace {

// The biorhythm listing is a table of one line a day, unwrapped: the view is as wide as
// its header and its widest line, so that no column hides behind the right edge.
int biorhythmListingWidth() {
    const DateTime day = *DateTime::fromDate(2000, 12, 28);
    RichDoc doc = biorhythmDoc(Person{}, day, day.addDays(-1)); // the header alone
    appendLine(doc, biorhythmLine(day, {"-100", "-100", "-100"}));
    RichView probe;
    probe.setRichDoc(doc);
    probe.setWordWrap(false);
    return static_cast<int>(std::ceil(probe.document()->idealWidth()));
}

} // namespace

TFrmVypis::TFrmVypis(QWidget* parent, const QString& appFolder, const QString& userFolder,
                     const QString& userRecord, const QString& partnerRecord, bool partner,
                     Clock clock, std::chrono::milliseconds waitPause)
    : QDialog(parent), m_appFolder(appFolder), m_userFolder(userFolder), m_clock(std::move(clock)),
      m_userRecord(userRecord), m_partnerRecord(partnerRecord) {
    m_people.hasPartner = partner;
    // The wait window is seen while the report is computed.
    TFrmCekejte wait;
    wait.showNow();
    QThread::msleep(static_cast<unsigned long>(waitPause.count()));

    setObjectName(QStringLiteral("FrmVypis"));
    setWindowTitle(QStringLiteral("Tarvenik :: Výpis výpočtu"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    RichEdit1 = new RichView(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setScrollBars(Qt::ScrollBarAlwaysOn, Qt::ScrollBarAlwaysOn);
    QFont arial(QStringLiteral("Arial"), 10);
    arial.setStyleHint(QFont::SansSerif);
    RichEdit1->setFont(arial);
    RichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
    RichEdit1->setMinimumWidth(biorhythmListingWidth() + 2 * RichEdit1->frameWidth() +
                               RichEdit1->verticalScrollBar()->sizeHint().width());
    TabControl1 = new TabStrip(this);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(themedIcon(IconKind::Save), QStringLiteral("Uložit..."), this,
                          &TFrmVypis::Ulozit1Click);
    PopupMenu1->addAction(themedIcon(IconKind::Print), QStringLiteral("Tisk..."), this,
                          &TFrmVypis::Tisk1Click);
    connect(RichEdit1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(RichEdit1->mapToGlobal(at)); });

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TabSheetHoroskopy = buildHoroscopePage();
    TabSheetNumerologie = buildNumerologyPage();
    TabSheetBiorytmy = buildBiorhythmPage();
    TabSheetJakDlouho = buildTimeSpanPage();
    PageControl1->addTab(TabSheetHoroskopy, QStringLiteral("Horoskopy"));
    PageControl1->addTab(TabSheetNumerologie, QStringLiteral("Numerologie"));
    PageControl1->addTab(TabSheetBiorytmy, QStringLiteral("Výpočet biorytmů"));
    PageControl1->addTab(TabSheetJakDlouho, QStringLiteral("Jak dlouho..."));
    PageControl1->tabBar()->setUsesScrollButtons(false); // every page caption stays readable

    auto* text = new QVBoxLayout;
    text->setSpacing(0);
    text->addWidget(TabControl1);
    text->addWidget(RichEdit1, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(PageControl1);
    body->addLayout(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildHeader());
    layout->addLayout(body, 1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TFrmVypis::JakDlouho);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TFrmVypis::PageControl1Change);
    connect(TabControl1, &TabStrip::currentChanged, this, [this] {
        if (!m_fillingTabs) {
            TabControl1Change();
        }
    });
    connect(BtnNastaveni, &QPushButton::clicked, this, [this] { done(kResultRetry); });

    resize(QSize(772, 536).expandedTo(sizeHint()));
    setFixedSize(size());
    applyFormShow();
    Timer1->start();
    wait.close();
}

TFrmVypis::~TFrmVypis() {
    Timer1->stop();
}

QDateTime TFrmVypis::now() const {
    return m_clock ? m_clock() : QDateTime::currentDateTime();
}

QWidget* TFrmVypis::buildHeader() {
    auto* header = new QWidget(this);
    BtnNastaveni = new QPushButton(themedIcon(IconKind::Settings),
                                   QStringLiteral("Nastavení výpočtu"), header);
    BtnNastaveni->setObjectName(QStringLiteral("BtnNastaveni"));
    obrmuz = new QLabel(header);
    obrmuz->setObjectName(QStringLiteral("obrmuz"));
    obrmuz->setPixmap(sexIcon(false));
    obrmuz->hide();
    obrzena = new QLabel(header);
    obrzena->setObjectName(QStringLiteral("obrzena"));
    obrzena->setPixmap(sexIcon(true));
    obrzena->hide();

    const auto group = [header, this](const char* caption, const char* name, QLabel*& icon,
                                      const char* iconName, QLabel*& label, const char* labelName) {
        auto* box = new QGroupBox(QString::fromUtf8(caption), header);
        box->setObjectName(QString::fromLatin1(name));
        icon = new QLabel(box);
        icon->setObjectName(QString::fromLatin1(iconName));
        icon->setFixedSize(16, 16);
        label = new QLabel(box);
        label->setObjectName(QString::fromLatin1(labelName));
        label->setCursor(Qt::WhatsThisCursor);
        label->setToolTip(QStringLiteral("Kliknutím zobrazíte informace o jméně"));
        makeHoverLabel(label);
        auto* row = new QHBoxLayout(box);
        row->addWidget(icon);
        row->addWidget(label, 1);
        return box;
    };
    GrpBoxTvoje =
        group(" Tvoje údaje ", "GrpBoxTvoje", icouzivatel, "icouzivatel", LblJmeno, "LblJmeno");
    GrpBoxPartner = group(" Partnerovy údaje ", "GrpBoxPartner", icopartner, "icopartner",
                          LblJmeno2, "LblJmeno2");
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(BtnNastaveni, 0, Qt::AlignBottom);
    row->addWidget(GrpBoxTvoje, 1);
    row->addWidget(GrpBoxPartner, 1);
    return header;
}

void TFrmVypis::makeHoverLabel(QLabel* label) {
    label->installEventFilter(this);
}

bool TFrmVypis::eventFilter(QObject* watched, QEvent* event) {
    auto* label = qobject_cast<QLabel*>(watched);
    if (!label) {
        return QDialog::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::Leave: {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText,
                         event->type() == QEvent::Enter
                             ? QColor(Qt::red)
                             : QApplication::palette().color(QPalette::WindowText));
        label->setPalette(palette);
        break;
    }
    case QEvent::MouseButtonRelease:
        if (label == LblJmeno || label == LblJmeno2) {
            LblJmenoClick(label == LblJmeno2);
        } else {
            NumKlik(label);
        }
        return true;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void TFrmVypis::nastav_promene() {
    const QDateTime start = now();
    BiorytmyOdDate->setDateTime(start);
    BiorytmyDoDate->setDateTime(start.addMonths(1));
    m_outlookYear = start.date().year();
    SpinEditVyhled->blockSignals(true);
    SpinEditVyhled->setValue(m_outlookYear);
    SpinEditVyhled->blockSignals(false);
    GrpBoxPartner->setVisible(m_people.hasPartner);

    LoadedPeople loaded = loadReportPeople(
        toPath(m_appFolder), toPath(m_userFolder), fromQ(m_userRecord),
        m_people.hasPartner ? std::optional(fromQ(m_partnerRecord)) : std::nullopt, m_outlookYear);
    m_people = std::move(loaded.people);
    reportProblems(loaded.problems);
}

void TFrmVypis::reportProblems(const std::vector<ReportProblem>& problems) {
    const QString letterError = QStringLiteral("Chyba! Zřejmě je první znak jména nestandartní!");
    for (const ReportProblem& p : problems) {
        switch (p.kind) {
        case ReportProblemKind::PersonFile:
            Dialogs::current().fileError(this, p.error);
            break;
        case ReportProblemKind::NameDays:
            if (p.error.notFound()) {
                Dialogs::current().plain(
                    this,
                    QStringLiteral("Soubor se svátky nenalezen, zkuste přeinstalovat aplikaci!"));
            } else {
                Dialogs::current().fileError(this, p.error);
            }
            break;
        case ReportProblemKind::NameRecord:
            if (p.error.notFound()) {
                Dialogs::current().plain(this, letterError);
            } else {
                Dialogs::current().fileError(this, p.error, FileAccess::Read, letterError);
            }
            break;
        }
    }
}

void TFrmVypis::applyFormShow() {
    LblJmeno->clear();
    LblJmeno2->clear();
    nastav_promene();
    const bool partner = m_people.hasPartner;
    const auto icon = [this](const ReportPerson& p) {
        return showsFemaleIcon(p.person.sex) ? obrzena->pixmap() : obrmuz->pixmap();
    };
    icouzivatel->setPixmap(icon(m_people.user));
    icopartner->setPixmap(icon(m_people.partner));
    LblJmeno->setText(toQ(headerLine(m_people.user.person)));
    if (partner) {
        LblJmeno2->setText(toQ(headerLine(m_people.partner.person)));
    }
    for (QWidget* w : std::initializer_list<QWidget*>{
             RadBtnPartner, RadBtnRozdil, BtnSlunecni2, BtnAscendent2, BtnMesicni2, BtnCinsky2,
             BtnCisarsky2, BtnKeltsky2, BtnEgyptsky2, BtnCyklicky2, BtnIndiansky2, BtnPravdivy2,
             BtnIndicky2, BtnAztecky2, BtnCikansky2, BtnSlunecniPartnersky, BtnCinskyPartnersky,
             RadBtnNumeroPartner, RadBtnBiorytmyPartner}) {
        w->setEnabled(partner);
    }

    m_horoscopes = computeHoroscopes(m_people, toDateTime(now()));
    BtnAztecky->setEnabled(m_horoscopes.aztecUsable);
    BtnAscendent->setEnabled(m_horoscopes.ascendantUsable);
    if (partner) {
        BtnAztecky2->setEnabled(m_horoscopes.aztecUsable2);
        BtnAscendent2->setEnabled(m_horoscopes.ascendantUsable2);
    }
    for (const std::string& message : m_horoscopes.messages) {
        Dialogs::current().plain(this, toQ(message));
    }

    reportProblems(lookUpNameRecords(toPath(m_appFolder), m_people));
    RadBtnNumeroUzivatel->setChecked(true);
    RadBtnNumeroClick();
}

void TFrmVypis::showDoc(const RichDoc& doc, bool wordWrap) {
    RichEdit1->setRichDoc(doc);
    RichEdit1->setWordWrap(wordWrap);
    RichEdit1->show();
}

void TFrmVypis::setTabs(const std::vector<std::string>& captions) {
    m_fillingTabs = true;
    while (TabControl1->count() > 0) {
        TabControl1->removeTab(0);
    }
    for (const std::string& c : captions) {
        TabControl1->addTab(toQ(c));
    }
    if (TabControl1->count() > 0) {
        TabControl1->setCurrentIndex(0);
    }
    m_fillingTabs = false;
}

void TFrmVypis::LblJmenoClick(bool partner) {
    setTabs({});
    RichEdit1->hide();
    showDoc(nameCardDoc(chosen(partner).record), false);
}

void TFrmVypis::PageControl1Change() {
    setTabs({});
    RichEdit1->vycistirichedit();
    if (PageControl1->currentWidget() == TabSheetJakDlouho) {
        const bool nameDay = chosen(spanPartnerSelected()).hasNameDay;
        RadBtnDalsiSvatek->setEnabled(nameDay);
        RadBtnMinulySvatek->setEnabled(nameDay);
        Timer1->start();
        blee();
    } else {
        Timer1->stop();
    }
}

void TFrmVypis::Ulozit1Click() {
    saveShownText(this, *RichEdit1, m_appFolder);
}

void TFrmVypis::Tisk1Click() {
    if (RichEdit1->isEmpty()) {
        return;
    }
    QPrinter printer;
    printer.setDocName(QString());
    if (Dialogs::current().print(this, printer)) {
        RichEdit1->print(printer);
    }
}

} // namespace tarvenik
