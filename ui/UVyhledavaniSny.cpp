#include "ui/UVyhledavaniSny.h"

#include "ui/Dialogs.h"
#include "ui/icons/Icons.h"
#include "ui/qtext.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

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

TFrmVyhledavaniSny::TFrmVyhledavaniSny(QWidget* parent, Run run)
    : QDialog(parent), m_run(std::move(run)) {
    setObjectName(QStringLiteral("FrmVyhledavaniSny"));
    setWindowTitle(QStringLiteral("Vyhledávání..."));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setModal(false);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    buildControls();

    connect(BtnVse, &QPushButton::clicked, this, &TFrmVyhledavaniSny::BtnVseClick);
    connect(BtnNic, &QPushButton::clicked, this, &TFrmVyhledavaniSny::BtnNicClick);
    connect(BtnInvertovat, &QPushButton::clicked, this, &TFrmVyhledavaniSny::BtnInvertovatClick);
    connect(BtnHledej, &QPushButton::clicked, this, &TFrmVyhledavaniSny::BtnHledejClick);
    connect(EditHledanyText, &QLineEdit::returnPressed, this, &TFrmVyhledavaniSny::BtnHledejClick);
}

void TFrmVyhledavaniSny::buildControls() {
    CheckListBoxPolozky = new QListWidget(this);
    CheckListBoxPolozky->setObjectName(QStringLiteral("CheckListBoxPolozky"));
    CheckListBoxPolozky->setMinimumSize(0, 0); // a list's own size hint is far too large here
    CheckListBoxPolozky->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    for (const auto& item : kFieldItems) {
        auto* entry = new QListWidgetItem(QString::fromUtf8(item.caption), CheckListBoxPolozky);
        entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        entry->setCheckState(Qt::Checked);
    }
    const auto button = [this](QPushButton*& b, const char* name, const char* caption) {
        b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        // Enter belongs to the search text; no button takes it over.
        b->setAutoDefault(false);
    };
    button(BtnVse, "BtnVse", "Vše");
    button(BtnNic, "BtnNic", "Nic");
    button(BtnInvertovat, "BtnInvertovat", "Invertovat");
    for (QPushButton* b : {BtnVse, BtnNic, BtnInvertovat}) {
        // Narrower than a style's usual least button width, so the window keeps its size.
        b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        b->setMinimumWidth(b->fontMetrics().horizontalAdvance(b->text()) + 16);
    }
    button(BtnHledej, "BtnHledej", "Hledej");
    BtnHledej->setIcon(themedIcon(IconKind::Search));

    LblHledanyText = new QLabel(QStringLiteral("Hledaný text:"), this);
    LblHledanyText->setObjectName(QStringLiteral("LblHledanyText"));
    EditHledanyText = new QLineEdit(this);
    EditHledanyText->setObjectName(QStringLiteral("EditHledanyText"));
    LblHledanyText->setBuddy(EditHledanyText);
    ChkBoxPresny = new QCheckBox(QStringLiteral("Hledat přesný text"), this);
    ChkBoxPresny->setObjectName(QStringLiteral("ChkBoxPresny"));
    ChkBoxVelikost = new QCheckBox(QStringLiteral("Rozlišovat velké/malé písmena"), this);
    ChkBoxVelikost->setObjectName(QStringLiteral("ChkBoxVelikost"));

    auto* fieldButtons = new QHBoxLayout;
    fieldButtons->addWidget(BtnVse);
    fieldButtons->addWidget(BtnNic);
    fieldButtons->addWidget(BtnInvertovat);
    auto* fields = new QVBoxLayout;
    fields->addWidget(CheckListBoxPolozky, 1);
    fields->addLayout(fieldButtons);

    auto* text = new QVBoxLayout;
    text->addWidget(LblHledanyText);
    text->addWidget(EditHledanyText);
    text->addWidget(ChkBoxPresny);
    text->addWidget(ChkBoxVelikost);
    text->addStretch(1);
    text->addWidget(BtnHledej, 0, Qt::AlignRight);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(text, 1);
    setFixedSize(sizeHint().expandedTo(QSize(400, 170)));
    EditHledanyText->setFocus();
}

DreamSearch TFrmVyhledavaniSny::search() const {
    DreamSearch s;
    s.text = fromQ(EditHledanyText->text());
    s.exact = ChkBoxPresny->isChecked();
    s.caseSensitive = ChkBoxVelikost->isChecked();
    for (int row = 0; row < CheckListBoxPolozky->count(); ++row) {
        if (CheckListBoxPolozky->item(row)->checkState() == Qt::Checked) {
            s.fields.push_back(kFieldItems[row].field);
        }
    }
    return s;
}

void TFrmVyhledavaniSny::BtnVseClick() {
    for (int row = 0; row < CheckListBoxPolozky->count(); ++row) {
        CheckListBoxPolozky->item(row)->setCheckState(Qt::Checked);
    }
}

void TFrmVyhledavaniSny::BtnNicClick() {
    for (int row = 0; row < CheckListBoxPolozky->count(); ++row) {
        CheckListBoxPolozky->item(row)->setCheckState(Qt::Unchecked);
    }
}

void TFrmVyhledavaniSny::BtnInvertovatClick() {
    for (int row = 0; row < CheckListBoxPolozky->count(); ++row) {
        QListWidgetItem* item = CheckListBoxPolozky->item(row);
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
}

void TFrmVyhledavaniSny::BtnHledejClick() {
    const DreamSearch s = search();
    if (const auto refusal = dreamSearchRefusal(s)) {
        Dialogs::current().plain(this, toQ(*refusal));
        return;
    }
    m_run(s);
}

void TFrmVyhledavaniSny::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_centred && screen()) {
        move(screen()->availableGeometry().center() - rect().center());
        m_centred = true;
    }
}

} // namespace tarvenik
