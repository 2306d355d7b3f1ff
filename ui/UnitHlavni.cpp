#include "ui/UnitHlavni.h"

#include "data/namedays.h"
#include "data/personexchange.h"
#include "data/persons.h"
#include "data/userfiles.h"
#include "platform/DateTime.h"
#include "platform/picture.h"
#include "ui/Dialogs.h"
#include "ui/ElidedLabel.h"
#include "ui/UnitAktualizace.h"
#include "ui/UnitHoroskopy.h"
#include "ui/UnitJmena.h"
#include "ui/UnitNastaveni.h"
#include "ui/UnitOProgramu.h"
#include "ui/UnitOstatni.h"
#include "ui/UnitPripominky.h"
#include "ui/UnitSny.h"
#include "ui/UnitSvatky.h"
#include "ui/UnitText.h"
#include "ui/UnitUdaje.h"
#include "ui/UnitVypis.h"
#include "ui/contacts.h"
#include "ui/icons/Icons.h"
#include "ui/qtext.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHideEvent>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStackedLayout>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>

#include <memory>
#include <optional>

namespace tarvenik {

namespace {

// Which of the later windows exist yet. A part of the program that brings one switches its
// line on together with its create function.
constexpr bool kHasUdaje = true;       // person dialog and report
constexpr bool kHasJmena = true;       // names dictionary
constexpr bool kHasSvatky = true;      // name-day browser
constexpr bool kHasSny = true;         // dream dictionary
constexpr bool kHasHoroskopy = true;   // horoscope catalogue
constexpr bool kHasOstatni = true;     // other calculators
constexpr bool kHasAktualizace = true; // update check
constexpr bool kHasOProgramu = true;   // about box

constexpr int kStatusBarHeight = 19;

const char* const kHelpMissing = "Soubor nebyl nalezen, prosim preinstalujte aplikaci.";

QStringList vcardFilters() {
    return {QStringLiteral("Vizitky vCard (*.vcf *.vcard *.VCF)"),
            QStringLiteral("Všechny soubory (*)")};
}

// What the status bar shows for a missing calendar, and for a day it does not list.
const char* const kNameDayFileMissing = "<nenalezeno>";
const char* const kNameDayKeyMissing = "-=Nenalezeno=-";

QString folderOf(const QString& given) {
    QString folder = given.isEmpty() ? QCoreApplication::applicationDirPath() : given;
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    return folder;
}

QString userFolderFor(const QString& appFolder) {
    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return fromPath(userFilesFolder(toPath(appFolder), toPath(perUser)));
}

} // namespace

QString todayPanelText(const QDate& today) {
    const QString weekday = QLocale(QLocale::Czech).dayName(today.dayOfWeek());
    return QStringLiteral(" Dnes je %1, %2.%3.%4")
        .arg(weekday)
        .arg(today.day())
        .arg(today.month())
        .arg(today.year(), 4, 10, QLatin1Char('0'));
}

TFrmHlavni::TFrmHlavni(const QString& appFolder, Clock clock, QWidget* parent)
    : QMainWindow(parent), m_appFolder(folderOf(appFolder)),
      m_userFolder(userFolderFor(m_appFolder)), m_clock(std::move(clock)) {
    setObjectName(QStringLiteral("FrmHlavni"));
    setWindowTitle(QStringLiteral("Tarvenik"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    buildControls();
    buildMenus();
    applyAvailability();

    const auto names = namesForDate(toPath(m_appFolder), toDateTime(now()));
    if (names) {
        m_nameDays = toQ(names->value_or(kNameDayKeyMissing));
    } else {
        m_nameDays = QString::fromUtf8(kNameDayFileMissing);
        if (!names.error().notFound()) {
            Dialogs::current().fileError(this, names.error());
        }
    }
    NacteniNastaveni();
    fillStatusBar();

    Timer1->start();
    setFixedSize(sizeHint().expandedTo(minimumSizeHint()));
}

void TFrmHlavni::buildControls() {
    // The client area is 362 x 180 with the status bar; this is the part above it.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    client->setMinimumSize(362, 180 - kStatusBarHeight);
    auto* stack = new QStackedLayout(client);
    stack->setStackingMode(QStackedLayout::StackAll);

    Image1 = new QLabel(client);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    stack->addWidget(Image1);

    auto* buttons = new QWidget(client);
    buttons->setObjectName(QStringLiteral("Buttons"));
    auto* grid = new QGridLayout(buttons);
    grid->setContentsMargins(25, 16, 40, 12);
    grid->setHorizontalSpacing(57);
    grid->setVerticalSpacing(2);
    grid->setRowMinimumHeight(1, 25);
    grid->setRowStretch(1, 1);
    stack->addWidget(buttons);
    stack->setCurrentWidget(buttons);

    struct ButtonSetup {
        QPushButton*& button;
        const char* name;
        const char* caption;
        const char* tip;
        IconKind icon;
        int row;
        int column;
    };
    const ButtonSetup setups[] = {
        {BtnVypocet, "BtnVypocet", "Výpočet",
         "Výpočet horoskopů, numerologie a dalších věcí podle data narození...",
         IconKind::Calculation, 0, 0},
        {BtnJmena, "BtnJmena", "Jména", "Databáze křestních jmen, významů,..", IconKind::Names, 2,
         0},
        {BtnSvatky, "BtnSvatky", "Svátky", "Přehled svátků křesťanského kalendáře...",
         IconKind::NameDays, 2, 1},
        {BtnSny, "BtnSny", "Snář", "Databáze významů snů..", IconKind::Dreams, 4, 0},
        {BtnHoroskopy, "BtnHoroskopy", "Horoskopy", "Seznam horoskopů dostupných v programu...",
         IconKind::Horoscopes, 0, 1},
        {BtnCitaty, "BtnCitaty", "Citáty", "Databáze různých citátů...", IconKind::Quotes, 3, 0},
        {BtnOstatni, "BtnOstatni", "Ostatní", "Ostatní věci... výpočet šťastného dne, věštění,...",
         IconKind::Other, 4, 1},
    };
    for (const ButtonSetup& s : setups) { // in tab order
        s.button = new QPushButton(themedIcon(s.icon), QString::fromUtf8(s.caption), buttons);
        s.button->setObjectName(QString::fromLatin1(s.name));
        s.button->setToolTip(QString::fromUtf8(s.tip));
        s.button->setToolTipDuration(60 * 60 * 1000);
        s.button->setMinimumSize(s.column == 0 ? 110 : 130, 25);
        grid->addWidget(s.button, s.row, s.column);
    }

    setCentralWidget(client);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFixedHeight(kStatusBarHeight);
    m_nameDayPanel = new ElidedLabel(StatusBar1);
    m_panels[0] = new QLabel(QStringLiteral("Dnes je "), StatusBar1);
    m_panels[1] = new QLabel(QStringLiteral("00:00:00"), StatusBar1);
    m_panels[2] = m_nameDayPanel;
    m_nameDayPanel->setFullText(QStringLiteral("Svátek má: "));
    for (int i = 0; i < 3; ++i) {
        m_panels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        m_panels[i]->setAlignment(Qt::AlignCenter);
        StatusBar1->addWidget(m_panels[i], i == 2 ? 1 : 0);
    }
    m_panels[0]->setMinimumWidth(150);
    m_panels[1]->setMinimumWidth(62);
    // The names take what the status bar's own gaps leave of the window's width; a long
    // list must not widen the fixed window: it is cut at its end, whole in the tooltip.
    m_panels[2]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setStatusBar(StatusBar1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    connect(BtnVypocet, &QPushButton::clicked, this, &TFrmHlavni::BtnVypocetClick);
    connect(BtnJmena, &QPushButton::clicked, this, &TFrmHlavni::BtnJmenaClick);
    connect(BtnSvatky, &QPushButton::clicked, this, &TFrmHlavni::BtnSvatkyClick);
    connect(BtnSny, &QPushButton::clicked, this, &TFrmHlavni::BtnSnyClick);
    connect(BtnHoroskopy, &QPushButton::clicked, this, &TFrmHlavni::BtnHoroskopyCick);
    connect(BtnCitaty, &QPushButton::clicked, this, &TFrmHlavni::BtnCitatyClick);
    connect(BtnOstatni, &QPushButton::clicked, this, &TFrmHlavni::BtnBlbostiClick);
    connect(Timer1, &QTimer::timeout, this, &TFrmHlavni::Timer1Timer);
}

void TFrmHlavni::buildMenus() {
    auto action = [this](QMenu* menu, const char* name, const char* caption,
                         void (TFrmHlavni::*handler)(), std::optional<IconKind> icon = {}) {
        QAction* a = menu->addAction(QString::fromUtf8(caption));
        a->setObjectName(QString::fromLatin1(name));
        if (icon) {
            a->setIcon(themedIcon(*icon));
        }
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    auto submenu = [](QMenu* parent, const char* name, const char* caption) {
        QMenu* m = parent->addMenu(QString::fromUtf8(caption));
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Action"));
        return m;
    };

    Menu1 = menuBar()->addMenu(QStringLiteral("Menu"));
    Menu1->setObjectName(QStringLiteral("Menu1"));
    Vypocet1 = action(Menu1, "Vypocet1", "Výpočet...", &TFrmHlavni::BtnVypocetClick,
                      IconKind::Calculation);
    Prehled1 = submenu(Menu1, "Prehled1", "Přehled");
    Horoskopy1 = action(Prehled1, "Horoskopy1", "Horoskopy...", &TFrmHlavni::BtnHoroskopyCick,
                        IconKind::Horoscopes);
    Jmena1 = action(Prehled1, "Jmena1", "Jména...", &TFrmHlavni::BtnJmenaClick, IconKind::Names);
    Svatky1 =
        action(Prehled1, "Svatky1", "Svátky...", &TFrmHlavni::BtnSvatkyClick, IconKind::NameDays);
    Pripominky1 = action(Prehled1, "Pripominky1", "Připomínky...", &TFrmHlavni::Pripominky1Click,
                         IconKind::Reminders);
    Sny1 = action(Prehled1, "Sny1", "Sny...", &TFrmHlavni::BtnSnyClick, IconKind::Dreams);
    Citaty1 =
        action(Prehled1, "Citaty1", "Citáty...", &TFrmHlavni::BtnCitatyClick, IconKind::Quotes);
    Ostatni1 =
        action(Menu1, "Ostatni1", "Ostatní...", &TFrmHlavni::BtnBlbostiClick, IconKind::Other);
    Menu1->addSeparator();
    ImportVCard1 = action(Menu1, "ImportVCard1", "Importovat osoby (vCard)...",
                          &TFrmHlavni::ImportVCard1Click, IconKind::Import);
    ExportVCard1 = action(Menu1, "ExportVCard1", "Exportovat osoby (vCard)...",
                          &TFrmHlavni::ExportVCard1Click, IconKind::Export);
    Menu1->addSeparator();
    Help1 = action(Menu1, "Help1", "Nastavení...", &TFrmHlavni::Help1Click, IconKind::Settings);
    Menu1->addSeparator();
    Konec1 = action(Menu1, "Konec1", "Ukončit", &TFrmHlavni::Konec1Click, IconKind::Quit);

    Napoveda1 = menuBar()->addMenu(QStringLiteral("Nápověda"));
    Napoveda1->setObjectName(QStringLiteral("Napoveda1"));
    Internet1 = submenu(Napoveda1, "Internet1", "Internet");
    Internet1->menuAction()->setIcon(themedIcon(IconKind::Internet));
    Domovskstrnka1 = action(Internet1, "Domovskstrnka1", "Domovská stránka",
                            &TFrmHlavni::Domovskstrnka1Click, IconKind::Internet);
    Internet1->addSeparator();
    Zjistitnovouverzi1 = action(Internet1, "Zjistitnovouverzi1", "Zjistit novou verzi",
                                &TFrmHlavni::Zjistitnovouverzi1Click, IconKind::Update);
    Napoveda1->addSeparator();
    Literatura1 = action(Napoveda1, "Literatura1", "Literatura", &TFrmHlavni::Literatura1Click,
                         IconKind::Help);
    Napoveda1->addSeparator();
    Historie1 = action(Napoveda1, "Historie1", "Historie", &TFrmHlavni::Historie1Click);
    Licence1 = action(Napoveda1, "Licence1", "Licence", &TFrmHlavni::Licence1Click);
    Napoveda1->addSeparator();
    About1 =
        action(Napoveda1, "About1", "O programu...", &TFrmHlavni::About1Click, IconKind::About);
}

void TFrmHlavni::applyAvailability() {
    BtnVypocet->setEnabled(kHasUdaje);
    Vypocet1->setEnabled(kHasUdaje);
    BtnJmena->setEnabled(kHasJmena);
    Jmena1->setEnabled(kHasJmena);
    BtnSvatky->setEnabled(kHasSvatky);
    Svatky1->setEnabled(kHasSvatky);
    BtnSny->setEnabled(kHasSny);
    Sny1->setEnabled(kHasSny);
    BtnHoroskopy->setEnabled(kHasHoroskopy);
    Horoskopy1->setEnabled(kHasHoroskopy);
    BtnOstatni->setEnabled(kHasOstatni);
    Ostatni1->setEnabled(kHasOstatni);
    Zjistitnovouverzi1->setEnabled(kHasAktualizace);
    About1->setEnabled(kHasOProgramu);
}

void TFrmHlavni::fillStatusBar() {
    m_panels[0]->setText(todayPanelText(now().date()));
    m_nameDayPanel->setFullText(QStringLiteral("Svátek má: ") + m_nameDays + QLatin1Char(' '));
}

QString TFrmHlavni::panelText(int panel) const {
    if (panel == 2) {
        return m_nameDayPanel->fullText();
    }
    return panel >= 0 && panel < 3 ? m_panels[panel]->text() : QString();
}

QDateTime TFrmHlavni::now() const {
    return m_clock ? m_clock() : QDateTime::currentDateTime();
}

void TFrmHlavni::NacteniNastaveni() {
    auto loaded = readSettings(toPath(m_userFolder));
    if (loaded) {
        m_settings = *loaded;
    } else {
        m_settings = AppSettings{};
        Dialogs::current().fileError(this, loaded.error());
    }
    if (m_settings.Pouzit) {
        applyPicture(toQ(m_settings.Cesta), PictureReport::OncePerPath);
    } else {
        hidePicture();
    }
    setOpacityEnabled(m_settings.Pruhlednost);
    setOpacityLevel(m_settings.Pruhlednost_value);
}

void TFrmHlavni::setOpacityEnabled(bool on) {
    m_opacityOn = on;
    setWindowOpacity(m_opacityOn ? m_opacityLevel / 255.0 : 1.0);
}

void TFrmHlavni::setOpacityLevel(int level) {
    m_opacityLevel = tarvenik::opacityLevel(level);
    setWindowOpacity(m_opacityOn ? m_opacityLevel / 255.0 : 1.0);
}

bool TFrmHlavni::showPicture(const QString& cesta) {
    return applyPicture(cesta, PictureReport::Always);
}

bool TFrmHlavni::applyPicture(const QString& cesta, PictureReport report) {
    const auto path = resolvePicturePath(toPath(m_appFolder), fromQ(cesta));
    const auto picture = loadPicture(path);
    if (!picture) {
        hidePicture();
        const bool known = !m_reportedPictures.insert(path.string()).second;
        if (report == PictureReport::Always || !known) {
            Dialogs::current().fileError(this, picture.error(), FileAccess::Read,
                                         QStringLiteral("Obrázek na pozadí nelze načíst."));
        }
        return false;
    }
    Image1->setPixmap(QPixmap::fromImage(imageOf(*picture)));
    Image1->show();
    return true;
}

void TFrmHlavni::hidePicture() {
    Image1->hide();
    Image1->clear();
}

void TFrmHlavni::Timer1Timer() {
    if (!Timer1->isActive()) {
        Timer1->start();
    }
    m_panels[1]->setText(toQ(toDateTime(now()).longTime()));
}

void TFrmHlavni::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_centred && screen()) {
        move(screen()->availableGeometry().center() - rect().center());
        m_centred = true;
    }
    Timer1Timer();
}

void TFrmHlavni::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    // Minimising also hides the window, spontaneously; only our own hiding (a feature
    // window in front) stops the clock.
    if (!event->spontaneous()) {
        Timer1->stop();
    }
}

// ---- opening the other windows ---------------------------------------------------------

void TFrmHlavni::runFeatureWindow(QDialog* window) {
    if (!window) {
        return;
    }
    std::unique_ptr<QDialog> owned(window);
    hide();
    owned->exec();
    show();
}

void TFrmHlavni::runDialog(QDialog* dialog) {
    if (!dialog) {
        return;
    }
    std::unique_ptr<QDialog> owned(dialog);
    owned->exec();
}

QDialog* TFrmHlavni::createUdaje() {
    return new TFrmUdaje(
        this, m_userFolder, [this]() -> const AppSettings& { return m_settings; },
        [this] { return now(); });
}
QDialog* TFrmHlavni::createVypis(QDialog* udaje) {
    const auto* choice = static_cast<TFrmUdaje*>(udaje);
    return new TFrmVypis(this, m_appFolder, m_userFolder, choice->userRecordName(),
                         choice->partnerRecordName(), choice->partnerChosen(),
                         [this] { return now(); });
}
QDialog* TFrmHlavni::createJmena() {
    return new TFrmJmena(this, m_appFolder);
}
QDialog* TFrmHlavni::createSvatky() {
    return new TFrmSvatky(this, m_appFolder);
}
QDialog* TFrmHlavni::createSny() {
    return new TFrmSny(this, m_appFolder);
}
QDialog* TFrmHlavni::createHoroskopy() {
    return new TFrmHoroskopy(this, m_appFolder);
}
QDialog* TFrmHlavni::createOstatni() {
    return new TFrmOstatni(this, m_appFolder, [this] { return now(); });
}
QDialog* TFrmHlavni::createAktualizace() {
    return new TFrmAktualizace(this);
}
QDialog* TFrmHlavni::createOProgramu() {
    return new TFrmOProgramu(this);
}
TFrmPripominky* TFrmHlavni::createPripominky() {
    return new TFrmPripominky(this, m_appFolder, m_userFolder, now().date());
}

void TFrmHlavni::BtnVypocetClick() {
    for (;;) {
        std::unique_ptr<QDialog> udaje(createUdaje());
        if (!udaje) {
            return;
        }
        hide();
        NacteniNastaveni(); // the person dialog confirms against fresh settings
        if (udaje->exec() != QDialog::Accepted) {
            show();
            return;
        }
        std::unique_ptr<QDialog> vypis(createVypis(udaje.get()));
        udaje.reset();
        if (!vypis || vypis->exec() != TFrmVypis::kResultRetry) {
            show();
            return;
        }
        // Retry: straight back to the person dialog, the main window stays hidden.
    }
}

void TFrmHlavni::BtnJmenaClick() {
    runFeatureWindow(createJmena());
}
void TFrmHlavni::BtnSvatkyClick() {
    runFeatureWindow(createSvatky());
}
void TFrmHlavni::BtnSnyClick() {
    runFeatureWindow(createSny());
}
void TFrmHlavni::BtnHoroskopyCick() {
    runFeatureWindow(createHoroskopy());
}
void TFrmHlavni::BtnBlbostiClick() {
    runFeatureWindow(createOstatni());
}

void TFrmHlavni::BtnCitatyClick() {
    Dialogs::current().plain(this, QStringLiteral("Až v nějaké z příštích verzí programu..."));
}

void TFrmHlavni::Pripominky1Click() {
    runDialog(createPripominky());
}

void TFrmHlavni::PripominkyPriSpusteni() {
    const auto on = readRemindersAtStartup(toPath(m_userFolder));
    if (!on || !*on) {
        return; // a settings file that cannot be read was reported when it was loaded
    }
    std::unique_ptr<TFrmPripominky> window(createPripominky());
    if (window->hasToday()) {
        window->exec();
    }
}

void TFrmHlavni::ImportVCard1Click() {
    const QString file = Dialogs::current().openFile(
        this, QStringLiteral("Importovat osoby (vCard)"), QDir::homePath(), vcardFilters());
    if (file.isEmpty()) {
        return;
    }
    const auto imported = importPersons(toPath(m_userFolder), toPath(file), toDateTime(now()));
    if (!imported) {
        Dialogs::current().fileError(
            this, imported.error(), FileAccess::Update,
            QStringLiteral("Import osob se nezdařil, žádná osoba nebyla přidána."));
        return;
    }
    Dialogs::current().information(
        this, QStringLiteral("Tarvenik"),
        QStringLiteral("Import ze souboru „%1“\n\n%2")
            .arg(QFileInfo(file).fileName(), toQ(importSummaryText(*imported))));
}

void TFrmHlavni::ExportVCard1Click() {
    const auto names = listPersons(toPath(m_userFolder));
    if (!names) {
        Dialogs::current().fileError(this, names.error());
        return;
    }
    if (names->empty()) {
        Dialogs::current().information(this, QStringLiteral("Tarvenik"),
                                       QStringLiteral("Seznam osob je prázdný, není co uložit."));
        return;
    }
    const QString file = Dialogs::current().saveFile(
        this, QStringLiteral("Exportovat osoby (vCard)"),
        QDir::home().filePath(QStringLiteral("osoby.vcf")), vcardFilters());
    if (file.isEmpty()) {
        return;
    }
    const auto written = exportPersons(toPath(m_userFolder), toPath(file));
    if (!written) {
        Dialogs::current().fileError(this, written.error(), FileAccess::Update,
                                     QStringLiteral("Osoby nelze uložit."));
        return;
    }
    Dialogs::current().information(
        this, QStringLiteral("Tarvenik"),
        toQ(exportSummaryText(*written, fromQ(QFileInfo(file).fileName()))));
}

void TFrmHlavni::Help1Click() {
    runDialog(new TFrmNastaveni(this, *this));
}
void TFrmHlavni::Konec1Click() {
    close();
}

void TFrmHlavni::Domovskstrnka1Click() {
    Dialogs::current().openAddress(QUrl(QString::fromUtf8(contacts::kWeb)));
}

void TFrmHlavni::Zjistitnovouverzi1Click() {
    runDialog(createAktualizace());
}
void TFrmHlavni::About1Click() {
    runDialog(createOProgramu());
}

void TFrmHlavni::showHelpText(const char* fileName, const QString& caption) {
    auto viewer = std::make_unique<TFrmText>(this);
    viewer->setWindowTitle(caption);
    const auto loaded = viewer->loadFile(m_appFolder + QString::fromLatin1(fileName));
    if (!loaded && loaded.error().notFound()) {
        Dialogs::current().plain(this, QString::fromUtf8(kHelpMissing));
    } else if (!loaded) {
        Dialogs::current().fileError(this, loaded.error());
    } else {
        runDialog(viewer.release());
    }
}

void TFrmHlavni::Literatura1Click() {
    showHelpText("literatura.txt", QStringLiteral("Použitá literatura"));
}
void TFrmHlavni::Historie1Click() {
    showHelpText("historie.txt", QStringLiteral("Historie programu"));
}
void TFrmHlavni::Licence1Click() {
    showHelpText("licence.txt", QStringLiteral("Licence programu"));
}

} // namespace tarvenik
