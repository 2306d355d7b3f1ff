#include "ui/UnitUdaje.h"

#include "data/personchoice.h"
#include "data/persons.h"
#include "ui/Dialogs.h"
#include "ui/UnitCoCo.h"
#include "ui/UnitPridat.h"
#include "ui/icons/Icons.h"
#include "ui/qtext.h"

#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace tarvenik {

namespace {

std::vector<std::string> toStd(const QStringList& names) {
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(names.size()));
    for (const QString& n : names) {
        out.push_back(fromQ(n));
    }
    return out;
}

} // namespace

void sortCzech(QStringList& names) {
    QCollator collator{QLocale(QLocale::Czech, QLocale::CzechRepublic)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(), [&collator](const QString& a, const QString& b) {
        const int c = collator.compare(a, b);
        return c != 0 ? c < 0 : a < b; // equal under the collation: a fixed order all the same
    });
}

TFrmUdaje::TFrmUdaje(QWidget* parent, const QString& userFolder, SettingsSource settings,
                     Clock clock)
    : QDialog(parent), m_userFolder(userFolder), m_settings(std::move(settings)),
      m_clock(std::move(clock)) {
    setObjectName(QStringLiteral("FrmUdaje"));
    setWindowTitle(QStringLiteral("Tarvenik :: Nastavení výpočtu"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    buildControls();
    refreshLists();
    NactiPamatovat();
    setFixedSize(sizeHint().expandedTo(QSize(292, 200)));
}

void TFrmUdaje::buildControls() {
    GroupBox1 = new QGroupBox(QStringLiteral("Výběr údajů"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    Label1 = new QLabel(QStringLiteral("Uživatel:"), GroupBox1);
    Label1->setObjectName(QStringLiteral("Label1"));
    ComBoxUdaje = new QComboBox(GroupBox1);
    ComBoxUdaje->setObjectName(QStringLiteral("ComBoxUdaje"));
    ChkBoxPartner = new QCheckBox(QStringLiteral("Partner:"), GroupBox1);
    ChkBoxPartner->setObjectName(QStringLiteral("ChkBoxPartner"));
    ChkBoxPartner->setChecked(true);
    ComBoxUdaje2 = new QComboBox(GroupBox1);
    ComBoxUdaje2->setObjectName(QStringLiteral("ComBoxUdaje2"));
    for (QComboBox* box : {ComBoxUdaje, ComBoxUdaje2}) {
        // Sized by a few characters rather than by the longest name, so that the dialog
        // keeps its design width; the lists take the width the window leaves them.
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(12);
    }
    const auto button = [this](IconKind icon, const char* caption, const char* name) {
        auto* b = new QPushButton(themedIcon(icon), QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    BtnPridat = button(IconKind::Add, "Přidat", "BtnPridat");
    BtnUpravit = button(IconKind::Edit, "Upravit", "BtnUpravit");
    BtnSmazat = button(IconKind::Delete, "Smazat", "BtnSmazat");
    BtnOK = button(IconKind::Ok, "OK", "BtnOK");
    BtnOK->setDefault(true);
    BtnZrusit = button(IconKind::Cancel, "Zrušit", "BtnZrusit");
    for (QPushButton* b : {BtnPridat, BtnUpravit, BtnSmazat}) {
        b->setParent(GroupBox1);
    }

    auto* grid = new QGridLayout(GroupBox1);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(ComBoxUdaje, 0, 1);
    grid->addWidget(ChkBoxPartner, 1, 0);
    grid->addWidget(ComBoxUdaje2, 1, 1);
    grid->setColumnStretch(1, 1);
    auto* edit = new QHBoxLayout;
    edit->addWidget(BtnPridat);
    edit->addWidget(BtnUpravit);
    edit->addWidget(BtnSmazat);
    grid->addLayout(edit, 2, 0, 1, 2);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(BtnOK);
    bottom->addWidget(BtnZrusit);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8); // the group box's place in the design
    layout->addWidget(GroupBox1);
    layout->addLayout(bottom);

    connect(ChkBoxPartner, &QCheckBox::toggled, this, &TFrmUdaje::ChkBoxPartnerClick);
    connect(BtnOK, &QPushButton::clicked, this, &TFrmUdaje::BtnOKClick);
    connect(BtnZrusit, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnPridat, &QPushButton::clicked, this, &TFrmUdaje::BtnPridatClick);
    connect(BtnUpravit, &QPushButton::clicked, this, &TFrmUdaje::BtnUpravitClick);
    connect(BtnSmazat, &QPushButton::clicked, this, &TFrmUdaje::BtnSmazatClick);
}

QString TFrmUdaje::userRecordName() const {
    return ComBoxUdaje->currentText();
}
QString TFrmUdaje::partnerRecordName() const {
    return ComBoxUdaje2->currentText();
}
bool TFrmUdaje::partnerChosen() const {
    return ChkBoxPartner->isChecked();
}

void TFrmUdaje::refreshLists() {
    m_names.clear();
    const auto names = listPersons(toPath(m_userFolder));
    if (names) {
        for (const std::string& n : *names) {
            m_names.push_back(toQ(n));
        }
    } else {
        Dialogs::current().fileError(this, names.error());
    }
    sortCzech(m_names);
    for (QComboBox* box : {ComBoxUdaje, ComBoxUdaje2}) {
        box->clear();
        box->addItems(m_names);
        box->setCurrentIndex(-1);
    }
}

void TFrmUdaje::NactiPamatovat() {
    const AppSettings& loaded = m_settings();
    RememberedSelection remembered{loaded.Partner, {}, {}};
    if (loaded.Pamatovat) {
        const auto read = readRememberedSelection(toPath(m_userFolder), loaded.Partner);
        if (read) {
            remembered = *read;
        } else {
            Dialogs::current().fileError(this, read.error());
        }
    }
    const PersonListChoice c =
        restoreChoice(toStd(m_names), loaded.Pamatovat, loaded.Partner, remembered,
                      ComBoxUdaje->currentIndex(), ComBoxUdaje2->currentIndex());
    ChkBoxPartner->setChecked(c.partnerTicked);
    ComBoxUdaje->setCurrentIndex(c.user);
    ComBoxUdaje2->setCurrentIndex(c.partner);
    ComBoxUdaje2->setEnabled(c.partnerListEnabled);
    BtnUpravit->setEnabled(c.editDeleteEnabled);
    BtnSmazat->setEnabled(c.editDeleteEnabled);
}

void TFrmUdaje::ChkBoxPartnerClick() {
    ComBoxUdaje2->setEnabled(ChkBoxPartner->isChecked());
    if (!ChkBoxPartner->isChecked()) {
        ComBoxUdaje2->setCurrentIndex(-1);
    }
}

void TFrmUdaje::BtnOKClick() {
    if (m_settings().Pamatovat) {
        const RememberedSelection chosen{ChkBoxPartner->isChecked(), fromQ(userRecordName()),
                                         fromQ(partnerRecordName())};
        const auto written = writeRememberedSelection(toPath(m_userFolder), chosen);
        if (!written) {
            Dialogs::current().fileError(this, written.error(), FileAccess::Write);
        }
    }
    if (!selectionComplete(ChkBoxPartner->isChecked(), ComBoxUdaje->currentIndex() >= 0,
                           ComBoxUdaje2->currentIndex() >= 0)) {
        Dialogs::current().error(this, QStringLiteral("Nejsou vybrány údaje!"),
                                 QStringLiteral("Vyberte údaje ze seznamu, nebo přidejte nové!"));
        return;
    }
    accept();
}

void TFrmUdaje::BtnPridatClick() {
    TFrmPridat form(this, TFrmPridat::Mode::Add, m_clock());
    form.setStoredRecords(toStd(m_names));
    if (form.exec() == QDialog::Accepted) {
        if (const auto written = writePerson(toPath(m_userFolder), form.person()); !written) {
            Dialogs::current().fileError(this, written.error(), FileAccess::Write);
        }
        refreshLists();
    }
    NactiPamatovat();
}

void TFrmUdaje::BtnUpravitClick() {
    TFrmCoCo chooser(this, m_names, QString::fromUtf8(kAskEdit), QStringLiteral("Upravit..."));
    if (chooser.exec() == QDialog::Accepted) {
        const std::string old = fromQ(chooser.chosen());
        const auto stored = readPerson(toPath(m_userFolder), old, kEditDefaultDate);
        TFrmPridat form(this, TFrmPridat::Mode::Edit, m_clock());
        form.setStoredRecords(toStd(m_names), old);
        if (stored) {
            form.setPerson(*stored);
        } else {
            Dialogs::current().fileError(this, stored.error());
        }
        if (form.exec() == QDialog::Accepted) {
            const auto written = replacePerson(toPath(m_userFolder), old, form.person());
            if (!written) {
                Dialogs::current().fileError(this, written.error(), FileAccess::Write);
            }
            refreshLists();
        }
    }
    NactiPamatovat();
}

void TFrmUdaje::BtnSmazatClick() {
    QStringList entries = m_names;
    entries.prepend(QString::fromUtf8(kDeleteAllEntry));
    TFrmCoCo chooser(this, entries, QString::fromUtf8(kAskDelete), QStringLiteral("Smazat"));
    if (chooser.exec() == QDialog::Accepted) {
        const QString chosen = chooser.chosen();
        const auto result = chooser.ComBoxUdaje->currentIndex() == 0
                                ? deleteAllPersons(toPath(m_userFolder))
                                : erasePerson(toPath(m_userFolder), fromQ(chosen));
        if (!result) {
            Dialogs::current().fileError(this, result.error(), FileAccess::Write);
        }
        refreshLists();
    }
    NactiPamatovat();
}

} // namespace tarvenik
