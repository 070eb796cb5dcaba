#include "resources/Resources.h"

#include "resources/BidPictures.h"
#include "resources/BiddingTemplate.h"
#include "resources/BridgeOptionTemplates.h"
#include "resources/CardPictures.h"
#include "resources/ConventionsTemplate.h"
#include "resources/ExplainTemplate.h"
#include "resources/NetworkMenu.h"
#include "resources/RummyTemplate.h"
#include "resources/ShellResources.h"
#include "resources/VarrowResources.h"
#include "resources/TableMenu.h"

void RegisterAllResources()
{
    RegisterCardPictures();
    RegisterBidPictures();
    RegisterBiddingTemplate();
    RegisterConventionsTemplate();
    RegisterExplainTemplate();
    RegisterShellResources();
    RegisterVarrowResources();
    RegisterRummyTemplate();
    RegisterTableMenu();
    RegisterNetworkMenu();
    RegisterBridgeOptionTemplates();
}
