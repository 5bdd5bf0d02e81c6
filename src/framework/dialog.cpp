#include "framework/dialog.h"

#include "framework/app.h"
#include "framework/data_exchange.h"
#include "framework/font_faces.h"
#include "framework/group_box.h"
#include "framework/image_resources.h"
#include "framework/subclassed_control.h"
#include "framework/utf8_text.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace velmaro::fw {
namespace {

CtlColorKind ColorKindOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::Edit:
        return CtlColorKind::Edit;
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
    case ControlKind::PushLikeRadio:
        return CtlColorKind::Button;
    case ControlKind::DropDownList:
        return CtlColorKind::ListBox;
    default:
        return CtlColorKind::Static;
    }
}

bool IsTextStatic(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::LinkStatic;
}

// Hidden by the program, not merely waiting for its window to be shown.
bool IsExplicitlyHidden(const QWidget* widget) {
    return widget->isHidden() && widget->testAttribute(Qt::WA_WState_ExplicitShowHide);
}

// The slot of `controlId` in `controlSlots` (const or not), or nullptr.
template <class Slots>
auto FindSlotIn(Slots& controlSlots, int controlId) -> decltype(&controlSlots.front()) {
    for (auto& slot : controlSlots) {
        if (slot.control->id == controlId && controlId != kNoId) {
            return &slot;
        }
    }
    return nullptr;
}

} // namespace

CDialog::CDialog(const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent), m_template(dialogTemplate),
      m_baseUnits(
          BaseUnitsForFont(dialogTemplate.fontFace.Resolve(), dialogTemplate.fontPointSize)) {}

CDialog::~CDialog() = default;

QRect CDialog::ControlRectPixels(const DuRect& rect) const {
    return {m_baseUnits.toPixelsX(rect.x), m_baseUnits.toPixelsY(rect.y),
            m_baseUnits.toPixelsX(rect.width), m_baseUnits.toPixelsY(rect.height)};
}

int CDialog::DoModal() {
    // A dialog made without a parent is owned by the application's main window.
    QWidget* mainWindow = AfxGetMainWnd();
    if (parentWidget() == nullptr && mainWindow != nullptr && mainWindow != this) {
        setParent(mainWindow, windowFlags());
    }
    if (!m_built) {
        BuildControls();
    }
    if (OnInitDialog()) {
        FocusFirstTabStop();
    }
    return exec();
}

void CDialog::Create() {
    if (!m_built) {
        BuildControls();
    }
    if (OnInitDialog()) {
        FocusFirstTabStop();
    }
    show();
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnNotify(int, Notify) {}

QString* CDialog::TextMember(int) {
    return nullptr;
}

std::optional<CtlColor> CDialog::OnCtlColor(CtlColorKind kind) {
    if (kind == CtlColorKind::Dialog || kind == CtlColorKind::Static) {
        const DialogColors colours = AfxDialogColors();
        return CtlColor{colours.text, colours.background};
    }
    return std::nullopt;
}

bool CDialog::UpdateData(bool saveAndValidate) {
    ++m_exchangeDepth;
    CDataExchange dx(*this, saveAndValidate);
    DoDataExchange(&dx);
    --m_exchangeDepth;
    return true;
}

CDialog::ControlSlot* CDialog::FindSlot(int controlId) {
    return FindSlotIn(m_slots, controlId);
}

const CDialog::ControlSlot* CDialog::FindSlot(int controlId) const {
    return FindSlotIn(m_slots, controlId);
}

QWidget* CDialog::GetDlgItem(int controlId) const {
    const ControlSlot* slot = FindSlot(controlId);
    return slot != nullptr ? slot->widget : nullptr;
}

QString CDialog::GetDlgItemText(int controlId) const {
    QWidget* widget = GetDlgItem(controlId);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return edit->text();
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text();
    }
    if (auto* group = dynamic_cast<CGroupBox*>(widget)) {
        return group->title();
    }
    return {};
}

void CDialog::SetDlgItemText(int controlId, const QString& text) {
    QWidget* widget = GetDlgItem(controlId);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        // Setting the same text sends no change signal here, but the handler
        // must still run as for any text set on the control.
        const bool same = edit->text() == text;
        edit->setText(text);
        edit->setCursorPosition(0);
        if (same) {
            Notification(controlId, Notify::EditChange);
        }
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
        FitStaticTexts();
        NameEditsAfterTheirLabels();
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
    } else if (auto* group = dynamic_cast<CGroupBox*>(widget)) {
        group->setTitle(text);
    }
}

void CDialog::Notification(int controlId, Notify code) {
    if (m_exchangeDepth > 0) {
        return; // the window's own exchange raised it: no handler runs
    }
    if (m_observer) {
        m_observer(controlId, code);
    }
    OnNotify(controlId, code);
}

void CDialog::BuildControls() {
    m_built = true;
    setWindowTitle(Utf8(m_template.title.Resolve()));
    setFont(MakeFont(m_template.fontFace.Resolve(), PointsToPixels(m_template.fontPointSize)));

    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    flags |= (m_template.style & kDialogOwnTaskbarButton) != 0 ? Qt::Window : Qt::Dialog;
    if ((m_template.style & kDialogMinimizeBox) != 0) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    setWindowFlags(flags);
    setFixedSize(m_baseUnits.toPixelsX(m_template.width), m_baseUnits.toPixelsY(m_template.height));
    setSizeGripEnabled(false);

    if (const auto colours = OnCtlColor(CtlColorKind::Dialog)) {
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, colours->background);
        palette.setColor(QPalette::WindowText, colours->text);
        setPalette(palette);
        setAutoFillBackground(true);
    }

    m_slots.clear();
    for (const ControlTemplate& control : m_template.controls) {
        QWidget* widget = CreateControl(control);
        m_slots.push_back({&control, widget});
        ConnectNotifications(widget, control.id);
        ApplyColors(widget, control.kind);
    }
    ApplyTabAndStackingOrder();
    FitStaticTexts();
    NameEditsAfterTheirLabels();
}

QWidget* CDialog::CreateControl(const ControlTemplate& control) {
    const QRect rect = ControlRectPixels(control.rect);
    const QString text = Utf8(control.text.Resolve());
    QWidget* widget = nullptr;
    switch (control.kind) {
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(this);
        edit->setGeometry(rect);
        // Read-only, not disabled: the value can still be selected and
        // copied, and screen readers say "read only".
        edit->setReadOnly((control.style & kStyleReadOnly) != 0);
        widget = edit;
        break;
    }
    case ControlKind::Label:
    case ControlKind::LinkStatic: {
        auto* label = new QLabel(text, this);
        label->setAlignment(
            ((control.style & kStyleCentred) != 0 ? Qt::AlignHCenter : Qt::AlignLeft) |
            Qt::AlignVCenter);
        label->setTextFormat(Qt::PlainText);
        label->setGeometry(rect);
        widget = label;
        break;
    }
    case ControlKind::GroupBox: {
        auto* group = new CGroupBox(text, (control.style & kStyleCentred) != 0, this);
        group->setGeometry(rect);
        widget = group;
        break;
    }
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
        auto* button = new QPushButton(text, this);
        button->setAutoDefault(true); // a focused push button acts as the default
        button->setDefault(control.kind == ControlKind::DefPushButton);
        button->setGeometry(rect);
        widget = button;
        break;
    }
    case ControlKind::PushLikeRadio: {
        auto* button = new QPushButton(text, this);
        button->setCheckable(true);
        button->setAutoExclusive(true);
        button->setAutoDefault(false);
        button->setGeometry(rect);
        widget = button;
        break;
    }
    case ControlKind::DropDownList: {
        auto* combo = new QComboBox(this);
        combo->setEditable(false);
        combo->setMaxVisibleItems(8);
        // The template height includes the opened list; the closed box is
        // one edit line high.
        combo->setGeometry(rect.x(), rect.y(), rect.width(),
                           std::max(m_baseUnits.toPixelsY(12), combo->sizeHint().height()));
        widget = combo;
        break;
    }
    case ControlKind::Bitmap:
    case ControlKind::Icon: {
        auto* picture = new QLabel(this);
        const QPixmap pixmap = control.kind == ControlKind::Bitmap
                                   ? LoadBitmapResource(control.resource)
                                   : LoadIconResource(control.resource, 32);
        if (pixmap.isNull()) {
            picture->setGeometry(rect);
        } else {
            picture->setPixmap(pixmap);
            picture->setGeometry(QRect(rect.topLeft(), pixmap.deviceIndependentSize().toSize()));
        }
        picture->setAttribute(Qt::WA_TransparentForMouseEvents);
        widget = picture;
        break;
    }
    case ControlKind::BlackFrame: {
        auto* frame = new QFrame(this);
        frame->setFrameStyle(QFrame::Box | QFrame::Plain);
        frame->setLineWidth(1);
        QPalette palette = frame->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        frame->setPalette(palette);
        frame->setGeometry(rect);
        frame->setAttribute(Qt::WA_TransparentForMouseEvents);
        widget = frame;
        break;
    }
    }

    widget->setObjectName(QString::number(control.id));
    const bool tabStop = (control.style & kStyleTabStop) != 0;
    const bool takesFocus =
        control.kind == ControlKind::Edit || control.kind == ControlKind::PushButton ||
        control.kind == ControlKind::DefPushButton || control.kind == ControlKind::PushLikeRadio ||
        control.kind == ControlKind::DropDownList;
    widget->setFocusPolicy(!takesFocus ? Qt::NoFocus
                                       : (tabStop ? Qt::StrongFocus : Qt::ClickFocus));
    if ((control.style & kStyleHidden) != 0) {
        widget->hide();
    }
    return widget;
}

void CDialog::ConnectNotifications(QWidget* widget, int controlId) {
    if (controlId == kNoId) {
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        connect(edit, &QLineEdit::textChanged, this,
                [this, controlId] { Notification(controlId, Notify::EditChange); });
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        connect(button, &QAbstractButton::clicked, this,
                [this, controlId] { Notification(controlId, Notify::ButtonClicked); });
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        connect(combo, &QComboBox::activated, this,
                [this, controlId] { Notification(controlId, Notify::SelChange); });
    }
}

void CDialog::ApplyColors(QWidget* widget, ControlKind kind) {
    if (kind == ControlKind::BlackFrame) {
        return; // a black frame stays black whatever colours the window answers
    }
    const CtlColorKind colourKind = ColorKindOf(kind);
    const auto colours = OnCtlColor(colourKind);
    if (!colours) {
        return;
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        // The opened list. Where the style draws it as a menu, its rows lie on
        // the window colour and take the menu's text colours, so the list's
        // colours go into those roles as well as the list-box ones.
        QAbstractItemView* list = combo->view();
        QPalette palette = list->palette();
        for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Window}) {
            palette.setColor(role, colours->background);
        }
        for (const QPalette::ColorRole role :
             {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
            palette.setColor(role, colours->text);
        }
        list->setPalette(palette);
        return;
    }
    QPalette palette = widget->palette();
    switch (colourKind) {
    case CtlColorKind::Edit:
        palette.setColor(QPalette::Base, colours->background);
        palette.setColor(QPalette::Text, colours->text);
        break;
    case CtlColorKind::Button:
        palette.setColor(QPalette::Button, colours->background);
        palette.setColor(QPalette::ButtonText, colours->text);
        break;
    default:
        palette.setColor(QPalette::Window, colours->background);
        palette.setColor(QPalette::WindowText, colours->text);
        break;
    }
    widget->setPalette(palette);
}

void CDialog::ApplyTabAndStackingOrder() {
    QWidget* previous = nullptr;
    for (const ControlSlot& slot : m_slots) {
        if ((slot.control->style & kStyleTabStop) == 0 ||
            slot.widget->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, slot.widget);
        }
        previous = slot.widget;
    }
    // The first control of the template lies on top of the ones after it.
    std::for_each(m_slots.rbegin(), m_slots.rend(),
                  [](const ControlSlot& slot) { slot.widget->raise(); });
}

void CDialog::FitStaticTexts() {
    // A static text shows its whole text: where the stand-in face runs taller
    // or wider than the face the template was drawn for, the label grows
    // around its line instead of cutting glyphs off.
    for (const ControlSlot& slot : m_slots) {
        auto* label = qobject_cast<QLabel*>(slot.widget);
        if (label == nullptr || !IsTextStatic(slot.control->kind)) {
            continue;
        }
        QRect fitted = ControlRectPixels(slot.control->rect);
        const QSize needed = label->sizeHint();
        if (needed.width() > fitted.width()) {
            fitted.setWidth(needed.width());
        }
        if (needed.height() > fitted.height()) {
            fitted.adjust(0, -(needed.height() - fitted.height()) / 2, 0, 0);
            fitted.setHeight(needed.height());
        }
        label->setGeometry(fitted);
    }
}

void CDialog::NameEditsAfterTheirLabels() {
    // A unit field is named after the static text to its right on its line.
    for (const ControlSlot& edit : m_slots) {
        if (edit.control->kind != ControlKind::Edit) {
            continue;
        }
        const QRect field = edit.widget->geometry();
        const QWidget* best = nullptr;
        for (const ControlSlot& label : m_slots) {
            if (!IsTextStatic(label.control->kind)) {
                continue;
            }
            const QRect text = ControlRectPixels(label.control->rect);
            const int centre = text.center().y();
            if (text.left() >= field.right() - 2 && centre >= field.top() - 2 &&
                centre <= field.bottom() + 2 &&
                (best == nullptr || text.left() < best->geometry().left())) {
                best = label.widget;
            }
        }
        if (const auto* label = qobject_cast<const QLabel*>(best)) {
            edit.widget->setAccessibleName(label->text());
        }
    }
}

void CDialog::FocusFirstTabStop() {
    for (const ControlSlot& slot : m_slots) {
        if ((slot.control->style & kStyleTabStop) != 0 &&
            slot.widget->focusPolicy() != Qt::NoFocus && !IsExplicitlyHidden(slot.widget) &&
            slot.widget->isEnabled()) {
            slot.widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

std::vector<QWidget*> CDialog::RadioGroup(int firstId) const {
    std::vector<QWidget*> group;
    bool inGroup = false;
    for (const ControlSlot& slot : m_slots) {
        if (!inGroup) {
            inGroup = slot.control->id == firstId && firstId != kNoId;
        } else if ((slot.control->style & kStyleGroup) != 0 ||
                   slot.control->kind != ControlKind::PushLikeRadio) {
            break;
        }
        if (inGroup) {
            group.push_back(slot.widget);
        }
    }
    return group;
}

void CDialog::ReplaceControl(int controlId, QWidget& replacement) {
    ControlSlot* slot = FindSlot(controlId);
    if (slot == nullptr || slot->widget == &replacement) {
        return;
    }
    QWidget* old = slot->widget;
    replacement.setParent(this);
    replacement.setGeometry(old->geometry());
    replacement.setObjectName(old->objectName());
    replacement.setFocusPolicy(old->focusPolicy());
    replacement.setAccessibleName(old->accessibleName());
    if (old->testAttribute(Qt::WA_SetFont)) {
        replacement.setFont(old->font());
    }
    if (auto* oldButton = qobject_cast<QPushButton*>(old)) {
        if (auto* button = qobject_cast<QPushButton*>(&replacement)) {
            button->setText(oldButton->text());
            button->setCheckable(oldButton->isCheckable());
            button->setAutoExclusive(oldButton->autoExclusive());
            button->setAutoDefault(oldButton->autoDefault());
            button->setDefault(oldButton->isDefault());
        }
    } else if (auto* oldLabel = qobject_cast<QLabel*>(old)) {
        if (auto* label = qobject_cast<QLabel*>(&replacement)) {
            label->setText(oldLabel->text());
            label->setAlignment(oldLabel->alignment());
        }
    }
    replacement.stackUnder(old);
    if (IsExplicitlyHidden(old)) {
        replacement.hide();
    } else if (isVisible()) {
        replacement.show();
    }
    slot->widget = &replacement;
    ConnectNotifications(&replacement, controlId);
    ApplyColors(&replacement, slot->control->kind);
    ApplyTabAndStackingOrder();
    if (auto* subclassed = dynamic_cast<CSubclassedControl*>(&replacement)) {
        subclassed->PreSubclassWindow(*slot->control, *old);
    }
    delete old;
}

void CDialog::SubclassDlgItem(int controlId, QWidget& control) {
    ReplaceControl(controlId, control);
}

} // namespace velmaro::fw
