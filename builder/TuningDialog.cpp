#include "TuningDialog.h"

#include "BuilderIds.h"
#include "FormWindows.h"

namespace {

// The controls in creation order, so "Ok" comes before the fields for Tab.
// The fields' texts are filled in from the stored tuning values.
const int kFieldIds[] = {kXTopId, kYTopId, kXBottomId, kYBottomId};

const ControlSpec kTuningControls[] = {
    {kTuningPictureId, ControlKind::kPicture, 0, 0, kTuningWidth, kTuningHeight, nullptr},
    {kTuningOkId, ControlKind::kButton, 80, 170, 40, 20, "Ok"},
    {kXTopId, ControlKind::kField, 100, 40, 50, 20, nullptr},
    {kYTopId, ControlKind::kField, 100, 73, 50, 20, nullptr},
    {kXBottomId, ControlKind::kField, 100, 106, 50, 20, nullptr},
    {kYBottomId, ControlKind::kField, 100, 139, 50, 20, nullptr},
};

Text* StoredValue(TuningValues& tuning, int fieldId) {
    switch (fieldId) {
    case kXTopId:
        return &tuning.xTop;
    case kYTopId:
        return &tuning.yTop;
    case kXBottomId:
        return &tuning.xBottom;
    case kYBottomId:
        return &tuning.yBottom;
    }
    return nullptr;
}

}  // namespace

void OpenTuningDialog(Builder& builder) {
    CloseTuningDialog(builder);
    RegisterFormClass(builder.instance, kTuningClassName);
    FormWindow& form = builder.tuningDialog;
    form.window = OpenCentredWindow(builder, kTuningClassName, kTuningWidth, kTuningHeight);
    if (!form.window) return;
    for (ControlSpec spec : kTuningControls) {
        if (const Text* value = StoredValue(builder.tuning, spec.id)) spec.text = value->c_str();
        AddControl(builder.instance, form, spec);
    }
    ShowPicture(ControlById(form, kTuningPictureId), builder.tuningPicture);
}

void ConfirmTuning(Builder& builder) {
    const FormWindow& form = builder.tuningDialog;
    if (!form.window) return;
    for (int id : kFieldIds)
        *StoredValue(builder.tuning, id) = ControlText(ControlById(form, id));
    CloseTuningDialog(builder);
}

void CloseTuningDialog(Builder& builder) {
    FormWindow& form = builder.tuningDialog;
    if (!form.window) return;
    DestroyWindow(form.window);
    form = FormWindow();
    UnregisterClassA(kTuningClassName, builder.instance);
}
