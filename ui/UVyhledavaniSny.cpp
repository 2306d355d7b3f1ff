#include "ui/UVyhledavaniSny.h"

#include "ui/CheckList.h"
#include "ui/Dialogs.h"
#include "ui/icons/Icons.h"
#include "ui/qtext.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <array>

namespace tarvenik {

namespace {

// The field list's items, in order, and the field each one ticks.
constexpr struct {
    DreamField field;
    const char* caption;
} kFieldItems[] = {
    {DreamField::Title, "Název"},
    {DreamField::Refinement, "Upřesnění"},
    {DreamField::Meaning, "Význam"},
    {DreamField::Source, "Zdroj"},
};

} // namespace

TFrmVyhledavaniSny::TFrmVyhledavaniSny(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmVyhledavaniSny"));
    setWindowTitle(QStringLiteral("Vyhledávání..."));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    QStringList fields;
    for (const auto& item : kFieldItems) {
        fields << QString::fromUtf8(item.caption);
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
    right->addStretch(1);
    right->addWidget(BtnHledej, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(ChkLstPolozky, 1);
    layout->addLayout(right, 1);

    EdHledanyText->setFocus(); // the window opens to be typed into
    connect(BtnHledej, &QPushButton::clicked, this, &TFrmVyhledavaniSny::BtnHledejClick);
    connect(EdHledanyText, &QLineEdit::returnPressed, this, &TFrmVyhledavaniSny::BtnHledejClick);

    resize(QSize(400, 170).expandedTo(sizeHint()).expandedTo(minimumSizeHint()));
    setFixedSize(size());
}

DreamSearch TFrmVyhledavaniSny::settings() const {
    DreamSearch s;
    s.text = fromQ(EdHledanyText->text());
    s.exact = ChkBoxPresny->isChecked();
    s.caseSensitive = ChkBoxVelikost->isChecked();
    std::array<bool, std::size(kFieldItems)> ticked{};
    ChkLstPolozky->ticked(ticked);
    for (std::size_t i = 0; i < ticked.size(); ++i) {
        if (ticked[i]) {
            s.fields.push_back(kFieldItems[i].field);
        }
    }
    return s;
}

void TFrmVyhledavaniSny::BtnHledejClick() {
    const DreamSearch search = settings();
    if (const auto refusal = dreamSearchRefusal(search)) {
        Dialogs::current().plain(this, toQ(*refusal));
        return;
    }
    emit searchRequested(search);
}

void TFrmVyhledavaniSny::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_centred && screen()) {
        move(screen()->availableGeometry().center() - rect().center());
        m_centred = true;
    }
}

} // namespace tarvenik
