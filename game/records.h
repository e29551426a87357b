#pragma once
// Every subsystem's record, for the code that reads them all (the engine's
// own storage and reset, the JSON view). Code about one subsystem includes
// that subsystem's header alone.
#include "game/combat/enemy.h"
#include "game/items/catalogue.h"
#include "game/items/inventory_state.h"
#include "game/progression/calendar.h"
#include "game/progression/levelup.h"
#include "game/screens/slides.h"
#include "game/services/music_state.h"
#include "game/services/rmkin.h"
#include "game/trade/trader.h"
#include "game/world/location.h"
#include "game/world/talk_state.h"
