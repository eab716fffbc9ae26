#include "angles/view/angles_definition.h"

#include "angles/core/angle_exercises.h"
#include "angles/view/angles_explore.h"

namespace angles {

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "angles";
    def.title = "Trigonometry";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) { return new AnglesExplore(parent); };
    def.exerciseKinds = exerciseKinds();
    def.aboutText = "Trigonometry shows an angle dragged round the unit circle in degrees and "
                    "radians with its sine, cosine and tangent as coordinates and lengths and "
                    "their exact values at the special angles; checks the basic identities at "
                    "that angle; draws y = A&middot;f(b(x &minus; c)) + d for sin, cos and tan "
                    "on sliders; solves right and general triangles (SSS, SAS, ASA, AAS and the "
                    "ambiguous SSA case, both triangles drawn); and sets exercises with worked "
                    "solutions.";
    return def;
}

} // namespace angles
