#pragma once
// Protdev's resources: dialog templates, menu, tool bar, accelerators and strings, registered with the
// window layer once at start-up (and by the tests).

#include "DialogTemplate.h"

void RegisterProtdevResources();

extern const DialogTemplate kDisjuntorTemplate;
extern const DialogTemplate kDisjuntorCorrenteNominalTemplate;
extern const DialogTemplate kDisjuntorCurvaTemplate;
extern const DialogTemplate kDisjuntorCurvaInclusaoTemplate;
extern const DialogTemplate kFusivelTemplate;
extern const DialogTemplate kFusivelCorrenteNominalTemplate;
extern const DialogTemplate kSplashTemplate;
