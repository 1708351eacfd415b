// The program's project settings: Form1 is the start-up form; the version data.
#include "vbforms/project.h"

#include "Form1.h"

const vbforms::Project vbforms::kProject = {
    "decldemo",
    "qolvix",
    "1.0.0.0",
    [] { return std::unique_ptr<vbforms::Form>(std::make_unique<Form1>()); },
};
