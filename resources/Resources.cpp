#include "resources/Resources.h"

#include "resources/CardPictures.h"
#include "resources/ConventionsTemplate.h"
#include "resources/ExplainTemplate.h"
#include "resources/ShellResources.h"

void RegisterAllResources()
{
    RegisterCardPictures();
    RegisterConventionsTemplate();
    RegisterExplainTemplate();
    RegisterShellResources();
}
