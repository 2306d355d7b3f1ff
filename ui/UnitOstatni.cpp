#include "ui/UnitOstatni.h"

#include "core/bmi.h"
#include "core/friday13.h"
#include "core/lovetest.h"
#include "core/luckyday.h"
#include "core/oracledraw.h"
#include "core/petsigns.h"
#include "data/oracle.h"
#include "ui/Dialogs.h"
#include "ui/TabStrip.h"
#include "ui/qtext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <random>

namespace tarvenik {

namespace {

template <class W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* label(QWidget* parent, const char* name, const char* text) {
    return named(new QLabel(QString::fromUtf8(text), parent), name);
}

QLabel* wrappedLabel(QWidget* parent, const char* name, const char* text) {
    QLabel* l = label(parent, name, text);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    return l;
}

// Enter must reach only the handlers bound to it, never an automatic default button.
QPushButton* button(QWidget* parent, const char* name, const char* text) {
    auto* b = named(new QPushButton(QString::fromUtf8(text), parent), name);
    b->setAutoDefault(false);
    return b;
}

QFrame* rule(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QDateEdit* datePicker(QWidget* parent, const char* name) {
    auto* picker = named(new QDateEdit(QDate(1980, 1, 1), parent), name);
    picker->setDisplayFormat(QStringLiteral("d.M.yyyy"));
    picker->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    picker->setCalendarPopup(true);
    return picker;
}

DateTime dateOf(const QDateEdit* picker) {
    return toDateTime(QDateTime(picker->date(), QTime()));
}

const char* const kWordFileMissing = "Soubor abu.txt nenalezen, přeinstalujte aplikaci...";

} // namespace

TFrmOstatni::TFrmOstatni(QWidget* parent, const QString& appFolder, Clock clock)
    : QDialog(parent), m_appFolder(appFolder), m_clock(std::move(clock)) {
    setObjectName(QStringLiteral("FrmOstatni"));
    setWindowTitle(QStringLiteral("Tarvenik :: Ostatní"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    PageControl1 = named(new TabStrip(this), "PageControl1");
    PageControl1Pages = named(new QStackedWidget(this), "PageControl1Pages");
    const std::pair<const char*, QWidget*> tabs[] = {
        {"Má mě rád/a?", buildLoveTab()},    {"Pátek 13.", buildFridayTab()},
        {"Šťastný den", buildLuckyTab()},    {"BMI", buildBmiTab()},
        {"Zvířecí horoskop", buildPetTab()}, {"Věštění", buildOracleTab()},
    };
    for (const auto& [caption, page] : tabs) {
        PageControl1->addTab(QString::fromUtf8(caption));
        PageControl1Pages->addWidget(page);
    }
    connect(PageControl1, &TabStrip::currentChanged, PageControl1Pages,
            &QStackedWidget::setCurrentIndex);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(0);
    layout->addWidget(PageControl1);
    layout->addWidget(PageControl1Pages, 1);

    FormCreate();
    resize(QSize(292, 305).expandedTo(minimumSizeHint()));
    setFixedSize(size());
}

QDateTime TFrmOstatni::now() const {
    return m_clock ? m_clock() : QDateTime::currentDateTime();
}

void TFrmOstatni::FormCreate() {
    const int year = now().date().year();
    SpinEditZacatek->setValue(year);
    SpinEditKonec->setValue(year + 1);
    for (int n = 1; n <= 99; ++n) {
        ComboBoxCislo199->addItem(QString::number(n));
    }
    ComboBoxCislo199->setCurrentIndex(-1);
}

void TFrmOstatni::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_centred && screen()) {
        move(screen()->availableGeometry().center() - rect().center());
        m_centred = true;
    }
}

// ---- "Má mě rád/a?" ----------------------------------------------------------------------

QWidget* TFrmOstatni::buildLoveTab() {
    auto* page = new QWidget(this);
    Label1 = label(page, "Label1", "Napište vaše jména a příjmení...");
    LblPrvniJmeno = label(page, "LblPrvniJmeno", "První jméno:");
    EditPrvni = named(new QLineEdit(page), "EditPrvni");
    LblDruheJmeno = label(page, "LblDruheJmeno", "Druhé jméno:");
    EditDruhy = named(new QLineEdit(page), "EditDruhy");
    BtnSpocitej = button(page, "BtnSpocitej", "Spočítej");
    LblVysledek = label(page, "LblVysledek", "Výsledek: ");
    LblVysledek->setAlignment(Qt::AlignCenter);
    ProgressBar1 = named(new QProgressBar(page), "ProgressBar1");
    ProgressBar1->setRange(0, 99);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    auto* fields = new QGridLayout;
    fields->addWidget(LblPrvniJmeno, 0, 0);
    fields->addWidget(EditPrvni, 1, 0);
    fields->addWidget(LblDruheJmeno, 2, 0);
    fields->addWidget(EditDruhy, 3, 0);
    fields->addWidget(BtnSpocitej, 1, 1, 3, 1, Qt::AlignVCenter);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Label1);
    layout->addLayout(fields);
    layout->addSpacing(12);
    layout->addWidget(LblVysledek);
    layout->addWidget(ProgressBar1);
    layout->addStretch(1);

    connect(BtnSpocitej, &QPushButton::clicked, this, &TFrmOstatni::BtnSpocitejClick);
    // EditPrvniKeyDown, EditDruhyKeyDown: Enter counts as the button.
    connect(EditPrvni, &QLineEdit::returnPressed, this, &TFrmOstatni::BtnSpocitejClick);
    connect(EditDruhy, &QLineEdit::returnPressed, this, &TFrmOstatni::BtnSpocitejClick);
    return page;
}

void TFrmOstatni::BtnSpocitejClick() {
    if (EditPrvni->text().isEmpty()) {
        EditPrvni->setFocus();
        return;
    }
    if (EditDruhy->text().isEmpty()) {
        EditDruhy->setFocus();
        return;
    }
    const LoveTest result = loveTestPercent(fromQ(EditPrvni->text()), fromQ(EditDruhy->text()));
    LblVysledek->setText(toQ(loveTestText(result)));
    ProgressBar1->setValue(static_cast<int>(result.percent));
}

// ---- "Pátek 13." -------------------------------------------------------------------------

QWidget* TFrmOstatni::buildFridayTab() {
    auto* page = new QWidget(this);
    LblPatekInfo = wrappedLabel(page, "LblPatekInfo",
                                "Vyhledá ve kterých měsících zadaného rozmezí let se vyskytuje "
                                "pátek 13.");
    LblZacatek = label(page, "LblZacatek", "Počáteční rok");
    LblKonec = label(page, "LblKonec", "Konečný rok");
    for (QLabel* l : {LblZacatek, LblKonec}) {
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    SpinEditZacatek = named(new QSpinBox(page), "SpinEditZacatek");
    SpinEditKonec = named(new QSpinBox(page), "SpinEditKonec");
    for (QSpinBox* s : {SpinEditZacatek, SpinEditKonec}) {
        s->setRange(1, 9999);
    }
    BtnVyhledat = button(page, "BtnVyhledat", "Vyhledej");
    ListBoxSeznam = named(new QListWidget(page), "ListBoxSeznam");

    auto* fields = new QGridLayout;
    fields->addWidget(LblZacatek, 0, 0);
    fields->addWidget(SpinEditZacatek, 0, 1);
    fields->addWidget(LblKonec, 1, 0);
    fields->addWidget(SpinEditKonec, 1, 1);
    fields->addWidget(BtnVyhledat, 0, 2, 2, 1, Qt::AlignVCenter);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(LblPatekInfo);
    layout->addLayout(fields);
    layout->addWidget(ListBoxSeznam, 1);

    connect(BtnVyhledat, &QPushButton::clicked, this, &TFrmOstatni::BtnVyhledatClick);
    return page;
}

void TFrmOstatni::BtnVyhledatClick() {
    ListBoxSeznam->clear();
    const int first = SpinEditZacatek->value();
    const int last = SpinEditKonec->value();
    if (last < first) {
        Dialogs::current().plain(
            this, QStringLiteral("Počáteční datum musí být menší nebo rovno koncovému"));
        return;
    }
    // The month as Czech writes it after a day number: the genitive ("13. února").
    const QLocale czech(QLocale::Czech);
    for (const YearMonth& found : fridayThe13ths(first, last)) {
        ListBoxSeznam->addItem(QStringLiteral("%1 - 13. %2")
                                   .arg(found.year)
                                   .arg(czech.monthName(found.month, QLocale::LongFormat)));
    }
}

// ---- "Šťastný den" -----------------------------------------------------------------------

QWidget* TFrmOstatni::buildLuckyTab() {
    auto* page = new QWidget(this);
    Label3 = label(page, "Label3", "Počítat šťastný den v období:");
    ComboBox1 = named(new QComboBox(page), "ComboBox1");
    for (const LuckyPeriod& period : kLuckyPeriods) {
        ComboBox1->addItem(toQ(period.caption));
    }
    ComboBox1->setCurrentIndex(kLuckyPeriodDefault);
    ChkBoxPartner =
        named(new QCheckBox(QStringLiteral("Počítat společný den pro vás a vašeho partnera"), page),
              "ChkBoxPartner");
    Label4 = label(page, "Label4", "Vaše datum narození:");
    DateUzivatel = datePicker(page, "DateUzivatel");
    Label5 = label(page, "Label5", "Datum narození partnera:");
    DatePartner = datePicker(page, "DatePartner");
    DatePartner->setEnabled(false);
    Label6 = label(page, "Label6",
                   "Které první číslo od 1 do 99 vás napadne poté, co myslíte na něco hezkého?");
    Label6->setWordWrap(true);
    ComboBoxCislo199 = named(new QComboBox(page), "ComboBoxCislo199");
    Label7 = label(page, "Label7", "Které zvíře je vám nejsympatyčtější?");
    ComboBoxZvire = named(new QComboBox(page), "ComboBoxZvire");
    for (std::string_view animal : kLuckyAnimals) {
        ComboBoxZvire->addItem(toQ(animal));
    }
    ComboBoxZvire->setCurrentIndex(-1);
    Label8 = wrappedLabel(page, "Label8",
                          "Nyní se soutřeďte a myslete na událost, pro kterou chcete určit Váš "
                          "šťastný den a stiskněte tlačítko.");
    BtnUkazStastnyDen = button(page, "BtnUkazStastnyDen", "Ukázat šťastný den");

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(3);
    grid->addWidget(Label3, 0, 0);
    grid->addWidget(ComboBox1, 0, 1);
    grid->addWidget(ChkBoxPartner, 1, 0, 1, 2);
    grid->addWidget(Label4, 2, 0);
    grid->addWidget(DateUzivatel, 2, 1);
    grid->addWidget(Label5, 3, 0);
    grid->addWidget(DatePartner, 3, 1);
    grid->addWidget(Label6, 4, 0, 1, 2);
    grid->addWidget(ComboBoxCislo199, 5, 1);
    grid->addWidget(Label7, 6, 0);
    grid->addWidget(ComboBoxZvire, 6, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addWidget(Label8);
    layout->addWidget(BtnUkazStastnyDen, 0, Qt::AlignHCenter);
    layout->addStretch(1);

    connect(ChkBoxPartner, &QCheckBox::toggled, this, &TFrmOstatni::ChkBoxPartnerClick);
    connect(BtnUkazStastnyDen, &QPushButton::clicked, this, &TFrmOstatni::BtnUkazStastnyDenClick);
    return page;
}

void TFrmOstatni::ChkBoxPartnerClick() {
    DatePartner->setEnabled(ChkBoxPartner->isChecked());
}

void TFrmOstatni::BtnUkazStastnyDenClick() {
    if (ComboBoxCislo199->currentIndex() < 0 || ComboBoxZvire->currentIndex() < 0) {
        Dialogs::current().error(this, QStringLiteral("Chyba!"),
                                 QStringLiteral("Musíte zadat všechny údaje!"));
        return;
    }
    const int period = kLuckyPeriods[static_cast<std::size_t>(ComboBox1->currentIndex())].days;
    const std::optional<DateTime> partner =
        ChkBoxPartner->isChecked() ? std::optional(dateOf(DatePartner)) : std::nullopt;
    const LuckyDate day =
        luckyDay(toDateTime(now()).datePart(), period, dateOf(DateUzivatel), partner,
                 ComboBoxCislo199->currentText().toInt(), ComboBoxZvire->currentIndex() + 1);
    Dialogs::current().information(this, QStringLiteral("Výsledek!"), toQ(luckyDayMessage(day)));
}

// ---- "BMI" -------------------------------------------------------------------------------

QWidget* TFrmOstatni::buildBmiTab() {
    auto* page = new QWidget(this);
    Label19 =
        wrappedLabel(page, "Label19",
                     "Vžitá zkratka BMI znamená Body Mass Index, tedy index tělesné hmotnosti.");
    Label20 = label(page, "Label20", "Pohlaví:");
    BMIPohlavi = named(new QComboBox(page), "BMIPohlavi");
    BMIPohlavi->addItems({QStringLiteral("muž"), QStringLiteral("žena")});
    BMIPohlavi->setCurrentIndex(-1);
    Label21 = label(page, "Label21", "Výška (cm):");
    EditBMIVyska = named(new QLineEdit(page), "EditBMIVyska");
    Label22 = label(page, "Label22", "Váha (kg):");
    EditBMIVaha = named(new QLineEdit(page), "EditBMIVaha");
    for (QLineEdit* field : {EditBMIVyska, EditBMIVaha}) {
        field->setMaxLength(3);
    }
    LblBMIvysledek = named(new QLabel(page), "LblBMIvysledek");
    LblBMIvysledek->setAlignment(Qt::AlignCenter);
    LblBMIvysledek->setWordWrap(true);
    LblBMIvysledek->setMinimumHeight(4 * fontMetrics().lineSpacing());
    BMIVypocet = button(page, "BMIVypocet", "Vypočítat");

    auto* fields = new QGridLayout;
    fields->addWidget(Label20, 0, 0);
    fields->addWidget(BMIPohlavi, 0, 1);
    fields->addWidget(Label21, 1, 0);
    fields->addWidget(EditBMIVyska, 1, 1);
    fields->addWidget(Label22, 2, 0);
    fields->addWidget(EditBMIVaha, 2, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Label19);
    layout->addLayout(fields);
    layout->addWidget(rule(page));
    layout->addWidget(LblBMIvysledek);
    layout->addWidget(rule(page));
    layout->addWidget(BMIVypocet, 0, Qt::AlignHCenter);
    layout->addStretch(1);

    connect(BMIVypocet, &QPushButton::clicked, this, &TFrmOstatni::BMIVypocetClick);
    // EditBMIVyskaKeyDown, bound to both fields: Enter counts as the button.
    connect(EditBMIVyska, &QLineEdit::returnPressed, this, &TFrmOstatni::BMIVypocetClick);
    connect(EditBMIVaha, &QLineEdit::returnPressed, this, &TFrmOstatni::BMIVypocetClick);
    return page;
}

void TFrmOstatni::BMIVypocetClick() {
    const int sex = BMIPohlavi->currentIndex();
    const BmiOutcome outcome =
        bmiOutcome(sex < 0 ? std::nullopt : std::optional(sex == 0 ? Sex::Man : Sex::Woman),
                   fromQ(EditBMIVyska->text()), fromQ(EditBMIVaha->text()));
    switch (outcome.focus) {
    case BmiOutcome::Focus::Sex:
        BMIPohlavi->setFocus();
        break;
    case BmiOutcome::Focus::Height:
        EditBMIVyska->setFocus();
        break;
    case BmiOutcome::Focus::Weight:
        EditBMIVaha->setFocus();
        break;
    case BmiOutcome::Focus::Keep:
        break;
    }
    // The text breaks its lines with a carriage return, which a label does not show.
    LblBMIvysledek->setText(withLfLineEnds(toQ(outcome.text)));
}

// ---- "Zvířecí horoskop" ------------------------------------------------------------------

QWidget* TFrmOstatni::buildPetTab() {
    auto* page = new QWidget(this);
    Label16 = wrappedLabel(page, "Label16",
                           "Cítí se vaše ještěrka mizerně? Má vaše kobra špatnou náladu? Vyhýbá "
                           "se snad váš pes cizincům a vaše kočka vás střeží tak, že by za vás "
                           "položila život?");
    Label17 = wrappedLabel(page, "Label17",
                           "Znalost astrologického znamení vašeho mazlíčka vám pomůže porozumět "
                           "jeho osobnosti. Nevíte, kdy se narodil? Můžete to alespoň odhadnout "
                           "podle popisu, který na něj bude nejlépe sedět.");
    Memo1 = named(new QPlainTextEdit(page), "Memo1");
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->hide();
    Label18 = wrappedLabel(page, "Label18", "Zvolte typ horoskopu a stiskněte tlačítko.");
    ComboBox6 = named(new QComboBox(page), "ComboBox6");
    ComboBox6->setMaxVisibleItems(12);
    fillPetTypes();
    ComboBox6->setCurrentIndex(-1);
    Button3 = button(page, "Button3", "Zobrazit horoskopy");

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Label16);
    layout->addWidget(Label17);
    layout->addWidget(Memo1, 1);
    layout->addWidget(Label18);
    layout->addWidget(ComboBox6);
    layout->addWidget(Button3, 0, Qt::AlignHCenter);

    connect(Button3, &QPushButton::clicked, this, &TFrmOstatni::Button3Click);
    connect(ComboBox6, &QComboBox::activated, this, &TFrmOstatni::ComboBox6Change);
    return page;
}

void TFrmOstatni::fillPetTypes() {
    ComboBox6->clear();
    for (std::string_view type : kPetTypes) {
        ComboBox6->addItem(toQ(type));
    }
}

void TFrmOstatni::Button3Click() {
    if (!m_petSignStep) {
        if (ComboBox6->currentIndex() < 0) {
            return;
        }
        m_petType = ComboBox6->currentIndex();
        m_petSignStep = true;
        Button3->setText(QStringLiteral("Zpět"));
        Label18->setText(QStringLiteral("Vyberte si znamení ze seznamu."));
        Label16->hide();
        Label17->hide();
        Memo1->clear();
        Memo1->show();
        ComboBox6->clear();
        for (int sign = 0; sign < static_cast<int>(kPetSigns.size()); ++sign) {
            ComboBox6->addItem(toQ(petSignItem(sign)));
        }
        ComboBox6->setCurrentIndex(-1);
        ComboBox6->setFocus();
        return;
    }
    m_petSignStep = false;
    Button3->setText(QStringLiteral("Zobrazit horoskopy"));
    Label18->setText(QStringLiteral("Zvolte typ horoskopu a stiskněte tlačítko."));
    fillPetTypes();
    ComboBox6->setCurrentIndex(m_petType);
    ComboBox6->setFocus();
    Label16->show();
    Label17->show();
    Memo1->hide();
}

void TFrmOstatni::ComboBox6Change() {
    if (m_petSignStep && ComboBox6->currentIndex() >= 0) {
        Memo1->setPlainText(toQ(petSignTexts(m_petType, ComboBox6->currentIndex())));
    }
}

// ---- "Věštění" ---------------------------------------------------------------------------

QWidget* TFrmOstatni::buildOracleTab() {
    auto* page = new QWidget(this);
    LblVesteniInfo = wrappedLabel(page, "LblVesteniInfo",
                                  "Věštění se slovy napodobuje hru z jednoho slavného románu: "
                                  "počítač vybere náhodná slova a jejich smysl hledáte vy.");
    LblVesteniSlovaOd = label(page, "LblVesteniSlovaOd", "Počet slov od:");
    SpinEditVesteniOd = named(new QSpinBox(page), "SpinEditVesteniOd");
    LblVesteniSlovaDo = label(page, "LblVesteniSlovaDo", "do:");
    SpinEditVesteniDo = named(new QSpinBox(page), "SpinEditVesteniDo");
    for (QSpinBox* s : {SpinEditVesteniOd, SpinEditVesteniDo}) {
        s->setRange(1, 100);
    }
    SpinEditVesteniOd->setValue(2);
    SpinEditVesteniDo->setValue(10);
    MemoVesteni = named(new QPlainTextEdit(page), "MemoVesteni");
    MemoVesteni->setReadOnly(true);
    MemoVesteni->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    BtnVesteniInfo = button(page, "BtnVesteniInfo", "Informace");
    VtnVesteniVesti = button(page, "VtnVesteniVesti", "Věšti!");

    auto* bounds = new QHBoxLayout;
    bounds->addWidget(LblVesteniSlovaOd);
    bounds->addWidget(SpinEditVesteniOd);
    bounds->addWidget(LblVesteniSlovaDo);
    bounds->addWidget(SpinEditVesteniDo);
    bounds->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BtnVesteniInfo);
    buttons->addStretch(1);
    buttons->addWidget(VtnVesteniVesti);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(LblVesteniInfo);
    layout->addLayout(bounds);
    layout->addWidget(MemoVesteni, 1);
    layout->addLayout(buttons);

    connect(BtnVesteniInfo, &QPushButton::clicked, this, &TFrmOstatni::BtnVesteniInfoClick);
    connect(VtnVesteniVesti, &QPushButton::clicked, this, &TFrmOstatni::VtnVesteniVestiClick);
    return page;
}

void TFrmOstatni::VtnVesteniVestiClick() {
    MemoVesteni->clear();
    const int from = SpinEditVesteniOd->value();
    const int to = SpinEditVesteniDo->value();
    if (to < from) {
        Dialogs::current().error(this, QStringLiteral("To je vtip?"),
                                 QStringLiteral("Dolní hranice vyšší než horní?"));
        return;
    }
    const auto lines = readWordFile(wordFilePath(toPath(m_appFolder)));
    if (!lines) {
        if (lines.error().notFound()) {
            Dialogs::current().error(this, QStringLiteral("Chyba!"),
                                     QString::fromUtf8(kWordFileMissing));
        } else {
            Dialogs::current().fileError(this, lines.error());
        }
        return;
    }
    if (lines->empty()) {
        Dialogs::current().error(
            this, QStringLiteral("Chyba!"),
            QStringLiteral("Soubor abu.txt je prázdný, přeinstalujte aplikaci..."));
        return;
    }
    // A new sequence on every press; the count of presses keeps two presses within one
    // millisecond apart.
    std::seed_seq seed{static_cast<std::uint32_t>(now().toMSecsSinceEpoch()), ++m_draws};
    std::mt19937 random(seed);
    for (const std::string& line : drawOracleLines(from, to, *lines, random)) {
        MemoVesteni->appendPlainText(toQ(line));
    }
}

void TFrmOstatni::BtnVesteniInfoClick() {
    Dialogs::current().information(this, QStringLiteral("Informace o programu..."),
                                   toQ(oracleUsageText()));
}

} // namespace tarvenik
