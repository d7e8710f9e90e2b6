#include "EventLoop.h"

#include "BuilderIds.h"
#include "MainWindow.h"
#include "TuningDialog.h"
#include "WindowsUi.h"

namespace {

enum class Next { kGoOn, kEnd };

HACCEL KeysOf(const Builder& builder, HWND active) {
    if (!active) return nullptr;
    if (active == builder.main.window) return builder.mainKeys;
    if (active == builder.tuningDialog.window) return builder.tuningKeys;
    return nullptr;
}

Next OnClick(Builder& builder, int id) {
    switch (id) {
    case kHelpId: OpenWithShell(builder.programFolder, kHelpPage); return Next::kGoOn;
    case kAboutId: OpenWithShell(builder.programFolder, kMakerAddress); return Next::kGoOn;
    case kQuitId: return Next::kEnd;
    case kBrowseId: Browse(builder); return Next::kGoOn;
    case kTuningId: OpenTuningDialog(builder); return Next::kGoOn;
    case kTuningOkId: ConfirmTuning(builder); return Next::kGoOn;
    case kSaveId: return Save(builder) == AfterExport::kEndBuilder ? Next::kEnd : Next::kGoOn;
    }
    return Next::kGoOn;
}

// A press of the left button on a window's own background (the artwork lets
// presses through to its window) drags the main window. Presses that land on
// a control stay with the control: a field places its caret, a button clicks.
bool IsPressOnBackground(const Builder& builder, const MSG& message) {
    return message.message == WM_LBUTTONDOWN &&
           (message.hwnd == builder.main.window ||
            (message.hwnd && message.hwnd == builder.tuningDialog.window));
}

Next Handle(Builder& builder, const Event& event, const MSG& message) {
    switch (event.kind) {
    case EventKind::kShortcut:
        return event.id == kEscapeCommand ? Next::kEnd : Next::kGoOn;
    case EventKind::kClose:
        return Next::kEnd;
    case EventKind::kControl:
        return event.code == BN_CLICKED ? OnClick(builder, event.id) : Next::kGoOn;
    case EventKind::kNone:
        if (IsPressOnBackground(builder, message)) DragMainWindow(builder);
        return Next::kGoOn;
    }
    return Next::kGoOn;
}

// The second press of a double-click on a push button. The system would make
// it a second click; the builder lets a double-click act once.
bool IsSecondPressOnButton(const Builder& builder, const MSG& message) {
    if (message.message != WM_LBUTTONDBLCLK || !message.hwnd) return false;
    HWND parent = GetParent(message.hwnd);
    if (!parent || (parent != builder.main.window && parent != builder.tuningDialog.window)) return false;
    char className[16];
    return GetClassNameA(message.hwnd, className, sizeof className) && lstrcmpiA(className, "Button") == 0 &&
           (GetWindowLongA(message.hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_PUSHBUTTON;
}

// The event that the last message (or a message sent to a window meanwhile)
// brought, handing it over once.
Event TakeEvent(Builder& builder) {
    Event event = builder.event;
    builder.event = Event();
    return event;
}

}  // namespace

void RunEventLoop(Builder& builder) {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        HWND active = GetActiveWindow();
        HACCEL keys = KeysOf(builder, active);
        if (IsSecondPressOnButton(builder, message)) continue;
        if (!keys || !TranslateAcceleratorA(active, keys, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (Handle(builder, TakeEvent(builder), message) == Next::kEnd) return;
        // A close request that reached a window while the handler ran (a modal
        // dialog only disables the windows) still ends the builder. Other
        // notifications from inside the handler are dropped: they are its own
        // doing, or presses that a dialog's loop took while the form was busy.
        if (builder.event.kind == EventKind::kClose) return;
        builder.event = Event();
    }
}
