#pragma once

// A window of tools laid out from the tool model (res/tool_window_layout.h).
// It holds each tool's state between keystrokes as every face does
// (tools::FaceState) and computes through the model alone: a keystroke marks
// its field typed, a list sets its unit, entry or mode, and the tool is
// evaluated again. The window writes what the tool computed into the other
// fields and the result table, greys what the chosen mode and entries do not
// use, and says on the verdict line why there is no result or what to mind.
// A typed field keeps its text and caret: the data exchange leaves an
// unchanged text alone.

#include "framework/dialog.h"
#include "framework/notification.h"
#include "res/tool_window_layout.h"
#include "tools/evaluate.h"

#include <QString>

#include <string_view>
#include <vector>

namespace velmaro {

class CToolWindow : public fw::CDialog {
public:
    CToolWindow(const res::ToolWindowLayout& layout, QWidget* parent);
    ~CToolWindow() override;

    void OnFieldTyped(int controlId);
    void OnListChosen(int controlId);
    void OnClose();

    // What result column `column` of the window's tool `tool` shows for the
    // output field `fieldId`; empty when the window has no such cell.
    QString ResultText(std::size_t column, std::string_view fieldId, std::size_t tool = 0) const;

protected:
    // Opens every tool on its worked example: first texts, units, entries
    // and mode, computed.
    bool OnInitDialog() override;
    void DoDataExchange(fw::CDataExchange* dx) override;
    void OnNotify(int controlId, fw::Notify code) override;
    QString* TextMember(int controlId) override;

    // Puts the focus on the first field the first tool uses.
    void FocusFirstField();

private:
    const res::ToolControl* PartOf(int controlId) const;
    const tools::Tool& ToolOf(const res::ToolControl& control) const;
    void FillLists();
    void Recompute(std::size_t tool);
    void ShowUsed(std::size_t tool);
    void ShowReadOnly(int controlId, bool readOnly);
    void ShowResults(std::size_t tool, const tools::Answer& answer);

    const res::ToolWindowLayout& m_layout;
    std::vector<tools::FaceState> m_states; // by tool
    std::vector<QString> m_texts;           // by part of the layout; the fields' texts
};

// Makes `key` in `window` call `open(&window)`.
void AddToolWindowKey(QWidget& window, QKeyCombination key, void (*open)(QWidget*));

} // namespace velmaro
