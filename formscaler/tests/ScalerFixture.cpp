// The class information of the test form: its fields and handlers by name.
#include "formscaler/tests/ScalerFixture.h"

const TClassInfo& TScalerTestForm::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TScalerTestForm>("TScalerTestForm", TForm::StaticClassInfo())
                                       .Field("FormScaler1", &TScalerTestForm::FormScaler1)
                                       .Field("Panel1", &TScalerTestForm::Panel1)
                                       .Field("Label1", &TScalerTestForm::Label1)
                                       .Field("Edit1", &TScalerTestForm::Edit1)
                                       .Field("Button1", &TScalerTestForm::Button1)
                                       .Method("ScalerExitResize", &TScalerTestForm::ScalerExitResize)
                                       .Method("FormResize", &TScalerTestForm::FormResize)
                                       .Build();
    return info;
}
