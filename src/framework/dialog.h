#pragma once

// A dialog window built from a dialog template, with the data exchange and
// notification routing that every window of the program relies on.

#include "framework/dialog_template.h"
#include "framework/dialog_units.h"
#include "framework/notification.h"

#include <QColor>
#include <QDialog>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace velmaro::fw {

class CDataExchange;

// Colours a window gives one kind of control in answer to a colour request.
struct CtlColor {
    QColor text;
    QColor background;
};

// Which colour request a control makes.
enum class CtlColorKind {
    Dialog,  // the window itself
    Static,  // static texts, pictures, group boxes
    Edit,    // edit controls
    ListBox, // the opened list of a combo box
    Button,  // push buttons and push-like radio buttons
};

class CDialog : public QDialog {
public:
    explicit CDialog(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr);
    ~CDialog() override;

    // Builds the window (once), runs OnInitDialog and shows the window
    // modally; returns when it closes. The result is QDialog's.
    int DoModal();

    // Builds the controls of the template, runs OnInitDialog and shows the
    // window without a modal run (for tests and previews).
    void Create();

    // Exchanges every bound control: true reads controls into members,
    // false writes members into controls. Notifications from the window's
    // own controls are ignored while it runs.
    bool UpdateData(bool saveAndValidate = true);
    bool InExchange() const { return m_exchangeDepth > 0; }

    QWidget* GetDlgItem(int controlId) const;
    template <class Widget> Widget* DlgItem(int controlId) const {
        return dynamic_cast<Widget*>(GetDlgItem(controlId));
    }

    // Text of a control read from the control itself.
    QString GetDlgItemText(int controlId) const;
    // Sets the text of a control directly. For an edit control this raises
    // its change notification like a user edit, even when the text is the
    // same as before (outside an exchange the handler runs).
    void SetDlgItemText(int controlId, const QString& text);

    // Puts `control` in the place of the template's control `controlId`, as
    // DDX_Control does, outside an exchange. A control object implementing
    // CSubclassedControl is told what it replaces.
    void SubclassDlgItem(int controlId, QWidget& control);

    const DialogTemplate& dialogTemplate() const { return m_template; }
    const DialogBaseUnits& baseUnits() const { return m_baseUnits; }
    QRect ControlRectPixels(const DuRect& rect) const;

    // The string member bound to an edit control (for the change cycle);
    // nullptr when the control has none.
    virtual QString* TextMember(int controlId);

    // Grows each static text to show its whole text in its current font; run
    // again after giving statics another font.
    void FitStaticTexts();

    // Observes every notification that reaches the message map (tests count
    // handler runs with it).
    using NotificationObserver = std::function<void(int controlId, Notify code)>;
    void SetNotificationObserver(NotificationObserver observer) {
        m_observer = std::move(observer);
    }

protected:
    // Runs once when the window is created: the first exchange writes every
    // member into its control. Return true to put the focus on the first tab
    // stop, false when the handler has set the focus itself.
    virtual bool OnInitDialog();
    virtual void DoDataExchange(CDataExchange* dx);
    // Routes a notification from a control to its handler (the message map).
    virtual void OnNotify(int controlId, Notify code);
    // Colours of one kind of control; the base answers with the
    // application-wide dialog colours for the window and its static texts
    // and leaves everything else to the system colours.
    virtual std::optional<CtlColor> OnCtlColor(CtlColorKind kind);

private:
    friend void DDX_Control(CDataExchange* dx, int controlId, QWidget& control);
    friend void DDX_Radio(CDataExchange* dx, int firstId, int& value);

    struct ControlSlot {
        const ControlTemplate* control;
        QWidget* widget;
    };

    void BuildControls();
    QWidget* CreateControl(const ControlTemplate& control);
    void ConnectNotifications(QWidget* widget, int controlId);
    void ApplyColors(QWidget* widget, ControlKind kind);
    void ApplyTabAndStackingOrder();
    void NameEditsAfterTheirLabels();
    void Notification(int controlId, Notify code);
    void ReplaceControl(int controlId, QWidget& replacement);
    ControlSlot* FindSlot(int controlId);
    const ControlSlot* FindSlot(int controlId) const;
    std::vector<QWidget*> RadioGroup(int firstId) const;
    void FocusFirstTabStop();

    const DialogTemplate& m_template;
    DialogBaseUnits m_baseUnits;
    bool m_built = false;
    int m_exchangeDepth = 0;
    std::vector<ControlSlot> m_slots; // template order
    NotificationObserver m_observer;
};

} // namespace velmaro::fw
