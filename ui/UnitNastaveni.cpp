#include "ui/UnitNastaveni.h"

#include "data/settings.h"
#include "ui/Dialogs.h"
#include "ui/icons/Icons.h"
#include "ui/qtext.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace tarvenik {

QStringList pictureDialogFilters() {
    // Patterns in both letter cases, since file names on Linux are case-sensitive.
    return {
        QStringLiteral("Obrázky (*.jpg;*.jpeg;*.bmp;*.png) "
                       "(*.jpg *.jpeg *.bmp *.png *.JPG *.JPEG *.BMP *.PNG)"),
        QStringLiteral("*.bmp (*.bmp *.BMP)"),
        QStringLiteral("*.jpg (*.jpg *.JPG)"),
        QStringLiteral("*.png (*.png *.PNG)"),
    };
}

TFrmNastaveni::TFrmNastaveni(QWidget* parent, SettingsTarget& target)
    : QDialog(parent), m_target(target) {
    setObjectName(QStringLiteral("FrmNastaveni"));
    setWindowTitle(QStringLiteral("Tarvenik :: Nastavení"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    buildControls();

    m_initialised = false;
    m_target.NacteniNastaveni();
    const AppSettings& s = m_target.settings();
    ChkPartner->setChecked(s.Partner);
    ChkBoxPamatovat->setChecked(s.Pamatovat);
    ChkBoxPruhlednost->setChecked(s.Pruhlednost);
    ScrollBarPruhlednost->setValue(s.Pruhlednost_value);
    ChkBoxObrazek->setChecked(s.Pouzit);
    m_pendingPath = toQ(s.Cesta);
    ChkBoxPamatovatClick();
    ChkBoxPruhlednostClick();
    ScrollBarPruhlednostChange();
    m_initialised = true;

    connect(ChkBoxPamatovat, &QCheckBox::toggled, this, &TFrmNastaveni::ChkBoxPamatovatClick);
    connect(ChkBoxPruhlednost, &QCheckBox::toggled, this, &TFrmNastaveni::ChkBoxPruhlednostClick);
    connect(ScrollBarPruhlednost, &QScrollBar::valueChanged, this,
            &TFrmNastaveni::ScrollBarPruhlednostChange);
    connect(ChkBoxObrazek, &QCheckBox::toggled, this, &TFrmNastaveni::ChkBoxObrazekClick);
    connect(BtnOK, &QPushButton::clicked, this, &TFrmNastaveni::BtnOKClick);

    setFixedSize(sizeHint().expandedTo(QSize(187, 207)));
}

void TFrmNastaveni::buildControls() {
    auto named = [](auto* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };
    GrpBoxNastaveni =
        named(new QGroupBox(QStringLiteral("Výchozí nastavení výpočtu"), this), "GrpBoxNastaveni");
    ChkPartner =
        named(new QCheckBox(QStringLiteral("Aktivní partner"), GrpBoxNastaveni), "ChkPartner");
    ChkBoxPamatovat =
        named(new QCheckBox(QStringLiteral("Pamatovat zvolené údaje"), GrpBoxNastaveni),
              "ChkBoxPamatovat");
    auto* first = new QVBoxLayout(GrpBoxNastaveni);
    first->addWidget(ChkPartner);
    first->addWidget(ChkBoxPamatovat);

    GrpBoxPruhlednost =
        named(new QGroupBox(QStringLiteral("Možnosti hlavního okna"), this), "GrpBoxPruhlednost");
    ChkBoxPruhlednost =
        named(new QCheckBox(QStringLiteral("Průhlednost"), GrpBoxPruhlednost), "ChkBoxPruhlednost");
    ScrollBarPruhlednost =
        named(new QScrollBar(Qt::Horizontal, GrpBoxPruhlednost), "ScrollBarPruhlednost");
    ScrollBarPruhlednost->setRange(50, 255);
    ScrollBarPruhlednost->setSingleStep(5);
    ScrollBarPruhlednost->setPageStep(50);
    ScrollBarPruhlednost->setValue(255);
    ScrollBarPruhlednost->setMinimumWidth(73);
    ChkBoxObrazek = named(new QCheckBox(QStringLiteral("Obrázek na pozadí"), GrpBoxPruhlednost),
                          "ChkBoxObrazek");
    auto* second = new QGridLayout(GrpBoxPruhlednost);
    second->addWidget(ChkBoxPruhlednost, 0, 0);
    second->addWidget(ScrollBarPruhlednost, 0, 1);
    second->addWidget(ChkBoxObrazek, 1, 0, 1, 2);

    BtnOK =
        named(new QPushButton(themedIcon(IconKind::Save), QStringLiteral("Uložit"), this), "BtnOK");
    BtnOK->setMinimumSize(105, 25);
    BtnOK->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 10);
    layout->addWidget(GrpBoxNastaveni);
    layout->addWidget(GrpBoxPruhlednost);
    layout->addWidget(BtnOK, 0, Qt::AlignHCenter);
}

void TFrmNastaveni::ChkBoxPamatovatClick() {
    ChkPartner->setEnabled(!ChkBoxPamatovat->isChecked());
}

void TFrmNastaveni::ChkBoxPruhlednostClick() {
    ScrollBarPruhlednost->setEnabled(ChkBoxPruhlednost->isChecked());
    m_target.setOpacityEnabled(ChkBoxPruhlednost->isChecked());
}

void TFrmNastaveni::ScrollBarPruhlednostChange() {
    m_target.setOpacityLevel(ScrollBarPruhlednost->value());
}

void TFrmNastaveni::ChkBoxObrazekClick() {
    if (!m_initialised) {
        return;
    }
    if (!ChkBoxObrazek->isChecked()) {
        m_target.hidePicture(); // the pending path stays for the next time
        return;
    }
    const QString start = m_pendingPath.isEmpty()
                              ? m_target.appFolder()
                              : QFileInfo(fromPath(resolvePicturePath(toPath(m_target.appFolder()),
                                                                      fromQ(m_pendingPath))))
                                    .absolutePath();
    const QString chosen = Dialogs::current().openPicture(this, start, pictureDialogFilters());
    if (chosen.isEmpty()) {
        ChkBoxObrazek->setChecked(false);
        return;
    }
    const QString stored = toQ(storedPicturePath(fromQ(chosen), fromQ(m_target.appFolder())));
    if (!m_target.showPicture(stored)) {
        // A picture that cannot be shown is not kept: the box goes off, the former path stays.
        ChkBoxObrazek->setChecked(false);
        return;
    }
    m_pendingPath = stored;
}

AppSettings TFrmNastaveni::values() const {
    AppSettings s;
    s.Partner = ChkPartner->isChecked();
    s.Pamatovat = ChkBoxPamatovat->isChecked();
    s.Pruhlednost = ChkBoxPruhlednost->isChecked();
    s.Pruhlednost_value = ScrollBarPruhlednost->value();
    s.Pouzit = ChkBoxObrazek->isChecked();
    s.Cesta = fromQ(m_pendingPath);
    return s;
}

bool TFrmNastaveni::save() {
    const auto folder = toPath(m_target.userFolder());
    const auto saved = saveSettings(folder, values());
    if (!saved) {
        Dialogs::current().fileError(this, saved.error(), FileAccess::Write,
                                     toQ(unableToWriteMessage(settingsPath(folder))));
        return false;
    }
    return true;
}

void TFrmNastaveni::BtnOKClick() {
    // A failed save keeps the dialog open, so the user knows nothing was stored.
    if (save()) {
        accept();
    }
}

void TFrmNastaveni::done(int result) {
    save();
    QDialog::done(result);
}

} // namespace tarvenik
