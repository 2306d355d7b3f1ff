#include "ui/UVyhledavani.h"

#include "ui/CheckList.h"
#include "ui/Dialogs.h"
#include "ui/icons/Icons.h"
#include "ui/qtext.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvenik {

namespace {

// The field list's items, in the order of the record's fields (kNameFields).
const char* const kFieldCaptions[] = {
    "Jméno",        "Druh jména", "Mužská/ženská podoba", "Domácí podoba", "Původ",
    "Význam",       "Používání",  "Varianta jména",       "Svátek",        "Kalendář",
    "Podoby jména", "Zdroj",
};
static_assert(std::size(kFieldCaptions) == kNameFields.size());

} // namespace

TFrmVyhledavani::TFrmVyhledavani(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmVyhledavani"));
    setWindowTitle(QStringLiteral("Tarvenik :: Vyhledávání v databázi se jmény"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    QStringList fields;
    for (const char* caption : kFieldCaptions) {
        fields << QString::fromUtf8(caption);
    }
    ChkLstPolozky = new CheckList(fields, this);
    ChkLstPolozky->setObjectName(QStringLiteral("ChkLstPolozky"));

    LblHledanyText = new QLabel(QStringLiteral("Hledaný text:"), this);
    EdHledanyText = new QLineEdit(this);
    EdHledanyText->setObjectName(QStringLiteral("EdHledanyText"));
    LblHledanyText->setBuddy(EdHledanyText);
    auto check = [this](const char* name, const char* caption) {
        auto* box = new QCheckBox(QString::fromUtf8(caption), this);
        box->setObjectName(QString::fromLatin1(name));
        return box;
    };
    ChkBoxPresny = check("ChkBoxPresny", "Hledat přesný text");
    ChkBoxVelikost = check("ChkBoxVelikost", "Rozlišovat velké/malé písmena");
    ChkBoxFiltr = check("ChkBoxFiltr", "Použít nastavení filtru při hledání");
    BtnHledej = new QPushButton(themedIcon(IconKind::Search), QStringLiteral("Hledej"), this);
    BtnHledej->setObjectName(QStringLiteral("BtnHledej"));
    // Enter runs the search only from the text field, never through a default button.
    BtnHledej->setAutoDefault(false);

    auto* right = new QVBoxLayout;
    right->addWidget(LblHledanyText);
    right->addWidget(EdHledanyText);
    right->addSpacing(6);
    right->addWidget(ChkBoxPresny);
    right->addWidget(ChkBoxVelikost);
    right->addWidget(ChkBoxFiltr);
    right->addStretch(1);
    right->addWidget(BtnHledej, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(ChkLstPolozky, 1);
    layout->addLayout(right, 1);

    EdHledanyText->setFocus(); // the window opens to be typed into
    connect(BtnHledej, &QPushButton::clicked, this, &TFrmVyhledavani::BtnHledejClick);
    connect(EdHledanyText, &QLineEdit::returnPressed, this, &TFrmVyhledavani::BtnHledejClick);

    resize(QSize(400, 210).expandedTo(sizeHint()).expandedTo(minimumSizeHint()));
    setFixedSize(size());
}

NameSearch TFrmVyhledavani::settings() const {
    NameSearch s;
    s.text = fromQ(EdHledanyText->text());
    s.exact = ChkBoxPresny->isChecked();
    s.caseSensitive = ChkBoxVelikost->isChecked();
    s.useFilter = ChkBoxFiltr->isChecked();
    ChkLstPolozky->ticked(s.fields);
    return s;
}

void TFrmVyhledavani::setFilterAvailable(bool available) {
    ChkBoxFiltr->setEnabled(available);
    if (!available) {
        ChkBoxFiltr->setChecked(false);
    }
}

void TFrmVyhledavani::BtnHledejClick() {
    const NameSearch search = settings();
    if (!hasSomethingToSearch(search)) {
        Dialogs::current().plain(this, QStringLiteral("Není co hledat!"));
        return;
    }
    emit searchRequested(search);
}

} // namespace tarvenik
