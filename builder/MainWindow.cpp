#include "MainWindow.h"

#include "BuilderIds.h"
#include "FormWindows.h"
#include "WindowsUi.h"

namespace {

// The controls in creation order, which is also the order of Tab.
const ControlSpec kMainControls[] = {
    {kMainPictureId, ControlKind::kPicture, 0, 0, kMainWidth, kMainHeight, nullptr},
    {kHelpId, ControlKind::kButton, 520, 15, 70, 20, "Help"},
    {kAboutId, ControlKind::kButton, 520, 37, 70, 20, "About"},
    {kQuitId, ControlKind::kButton, 520, 59, 70, 20, "Quit"},
    {kProjectNameId, ControlKind::kField, 35, 80, 450, 20, ""},
    {kMovieFieldId, ControlKind::kReadOnlyField, 35, 130, 400, 20, ""},
    {kBrowseId, ControlKind::kButton, 435, 130, 50, 20, "Browse"},
    {kOutputKindId, ControlKind::kDropDownList, 35, 230, 300, 20, ""},
    {kSaveId, ControlKind::kButton, 415, 230, 70, 20, "Save"},
    {kWidthId, ControlKind::kField, 115, 180, 50, 20, kDefaultWidth},
    {kHeightId, ControlKind::kField, 284, 180, 50, 20, kDefaultHeight},
    {kTuningId, ControlKind::kButton, 415, 180, 70, 20, "SWF Tuning"},
};

void FillOutputKinds(HWND list) {
    SendMessageA(list, CB_ADDSTRING, 0, (LPARAM)kWindowed);
    SendMessageA(list, CB_ADDSTRING, 0, (LPARAM)kFullScreen);
    SendMessageA(list, CB_SETCURSEL, 0, 0);
}

}  // namespace

bool OpenMainWindow(Builder& builder) {
    RegisterFormClass(builder.instance, kMainClassName);
    FormWindow& form = builder.main;
    form.window = OpenCentredWindow(builder, kMainClassName, kMainWidth, kMainHeight);
    if (!form.window) return false;
    for (const ControlSpec& spec : kMainControls) AddControl(builder.instance, form, spec);
    ShowPicture(ControlById(form, kMainPictureId), builder.mainPicture);
    FillOutputKinds(ControlById(form, kOutputKindId));
    return true;
}

void Browse(Builder& builder) {
    builder.moviePath = AskOpenPath(kOpenMovieTitle, kMovieFilter);
    SetWindowTextA(ControlById(builder.main, kMovieFieldId), builder.moviePath.c_str());
}

AfterExport Save(Builder& builder) {
    const FormWindow& form = builder.main;
    ExportInput input;
    input.projectName = ControlText(ControlById(form, kProjectNameId));
    input.moviePath = builder.moviePath;  // the movie field always shows this text
    input.outputKind = ControlText(ControlById(form, kOutputKindId));
    input.width = ControlText(ControlById(form, kWidthId));
    input.height = ControlText(ControlById(form, kHeightId));
    input.tuning = builder.tuning;  // the values of the last "Ok", not an open dialog's texts
    WindowsUi ui;
    return ExportProject(input, ui);
}

void DragMainWindow(Builder& builder) {
    SendMessageA(builder.main.window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}
