#pragma once
// The engine: one object that owns the headless window model, one record per
// subsystem, and every rule as a method. Handlers are named after the control
// and the event (Image18Click, Timer2Timer); the rules after what they do
// (setloc, addtoinv). Each subsystem keeps its record's type, with its one
// field list (fields(record, f): what `state` prints), in its own folder, and
// its methods in files there. Below the subsystems, the services every one
// of them uses; above them, the screens that run a game from its start:
//   services/     the character record (rmkin), status panel, message line,
//                 pictures and the picture-button press, music (MusicState)
//   progression/  clock and calendar (CalendarState), needs, death, level-up (LevelUpState)
//   world/        locations (location, deadcount), ground items, conversations
//                 and the quest (TalkState)
//   items/        catalogue, viewer, inventory (InventoryState), use and equip
//   combat/       encounters, fight loop, victory and escape (CombatState)
//   trade/        traders, buying and selling (TradeState)
//   screens/      window creation, menu, new game (and its reset), the
//                 character's start file, intro and outro (SlideState)
// This header only names the records; Game holds them in one store and
// offers each by reference, so a file that uses a record includes its header
// (game/records.h: all of them). A subsystem writes another's record only
// through that subsystem's functions (set_invmode, set_questst, switch_track,
// forget_track, start_calendar); `hero` is the shared character below them
// all. Items and services call no subsystem; world and combat meet at the
// fight decision at the end of setloc (encounter) and the loot laid on the
// ground (docs/ARCHITECTURE.md lists every call between folders). The click and timer tables
// (game.cpp) say for each control what kind of control it is. Death and a new game go through one
// path each: death parks every screen of the screen table but its own and stops every timer but its
// own; a new game (reset_game) puts every control but the menu's back as the started window had it
// and every record back to its initial values.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "audio/music.h"
#include "core/data_error.h"
#include "core/paths.h"
#include "core/random.h"
#include "game/form/form.h"
#include "game/form/screens.h"
#include "game/input.h"
#include "game/runtime.h"

// The records are only named here: a file that reads or writes one includes
// its header (game/records.h has them all), so a change to one record
// rebuilds only the files that use it.
struct rmkin;
struct SlideState;
struct MusicState;
struct CalendarState;
struct LevelUpState;
struct location;
struct TalkState;
struct InventoryState;
struct CombatState;
struct TradeState;
struct enemy;
struct catitem;

class Game {
 public:
  Game(const core::DataRoot& root, Runtime& rt, audio::Music& music);
  ~Game();
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // ---- event dispatch: the one place that catches errors ----
  // Runs a handler to its end; a DataError is reported through on_error and
  // the effects made before it stay.
  // One rule for programming errors in every host (window, runner, tests):
  // a std::logic_error out of a handler (form["NoSuchControl"]) and an event
  // for a name that is no control of the window (click, pick, type) or no
  // timer (tick) are reported through on_error as kInternalError followed by
  // what went wrong; the event ends there (an input answers false) and the
  // game goes on.
  void handle(const std::function<void()>& handler);
  static constexpr const char* kInternalError = "Internal error: ";
  // Every click, pick, typing and key press of every host (window, runner,
  // tests) comes through these; each answers false when it refuses the event
  // because a player could not have made it (input.cpp).
  // A click on a control; refused unless the control is on screen.
  bool click(const std::string& control, Press how = Press::single);
  // Makes row the current row of a list and clicks it; refused for a list
  // not on screen or a row it does not have.
  bool pick(const std::string& list, int row, Press how = Press::single);
  // Sets the text of an edit box on screen (cut to its maximum length).
  bool type(const std::string& edit, const std::string& text);
  // A key press; false when it pressed nothing.
  bool key(Key k);
  // Whether a player could click the control now: visible and enabled with
  // all its panels, inside the client area, not covered by a panel above.
  bool clickable(const std::string& control) const;
  // Whether the keyboard focus is in an edit box on screen (text keys are
  // then typing, not game keys).
  bool typing() const;
  // A tick of a timer.
  void tick(const std::string& timer);
  bool has_click_handler(const std::string& control) const;
  // A row of the click or timer table: the control, what kind of control it
  // is, and its handler (game.cpp).
  struct Handler {
    const char* control;
    form::Kind kind;
    void (Game::*run)();
  };
  static const std::vector<Handler>& click_table();
  static const std::vector<Handler>& timer_table();

  std::function<void(const std::string&)> on_error;

  // ---- the window and the world outside ----
  form::Form form;
  const core::DataRoot& root;
  Runtime& rt;
  audio::Music& music;
  core::RandomSource rng;

  // ---- game records, each owned by its subsystem ----
 private:
  struct Records;                     // holds them all (game.cpp)
  std::unique_ptr<Records> records_;  // before the names below, which refer into it
  // Every record as a started program has it, but the music channel's
  // stream handle and the player's mute key, which carry over (game.cpp).
  void reset_records();

 public:
  rmkin& hero;             // services: the character
  int menustep = 1;        // screens: the menu's opening animation
  SlideState& slides;      // screens: intro and outro
  MusicState& soundtrack;  // services: the music track
  static constexpr int kMusicVolume = 30;
  CalendarState& calendar;    // progression: date and time of day
  LevelUpState& levelup;      // progression: the level-up screen
  location& loc;              // world: the current location
  int32_t deadcount = 0;      // world: seconds left in a lethal location
  TalkState& talkstate;       // world: the quest and the final conversation
  InventoryState& inventory;  // items: the carried items
  CombatState& combat;        // combat: the enemies and the fight's sprite
  TradeState& trading;        // trade: the trader and the offer

  // ---- services: status panel, message line (status.cpp) ----
  void showroamkin();
  void showpercents();
  void outmsg(const std::string& text, form::Color color, int seconds);
  void Timer3Timer();

  // ---- services: screens, pictures, the picture-button press (pictures.cpp) ----
  // Screens (game/form/screens.h): bring a screen's panel to its place,
  // park it outside the client area, ask whether it is on screen.
  void show(form::Screen s) { form::show(form, s); }
  void park(form::Screen s) { form::park(form, s); }
  bool shown(form::Screen s) const { return form::is_shown(form, s); }
  // The picture-button press: pressed sprite, 200 ms, normal sprite, and
  // another 100 ms unless wait_after is false (the arrows).
  void press(const std::string& image, const std::string& pressed, const std::string& normal,
             bool wait_after = true);
  // Loads a picture file of the data folder into an image control.
  // A missing picture also names `from`, the file and line that named it.
  void load_picture(const std::string& image, const std::string& file,
                    const core::Origin& from = {});

  // ---- services: music (music.cpp) ----
  // Starts a track from the data folder, once or looped (no stop before).
  void start_track(const std::string& file, bool loop);
  // A location's track, looped: only a different music text restarts it. A
  // file that cannot be played is silence; curmusic keeps its name all the same.
  void switch_track(const std::string& file);
  // The next switch_track starts its track even when the name is the same.
  void forget_track();
  void stop_music();

  // ---- screens: window, menu, new game, the character (window.cpp, menu.cpp, newgame.cpp,
  // character.cpp) ----
  void FormCreate();
  void loadhero();
  void Timer5Timer();
  void BitBtn1Click();
  // The one reset of a new game: every subsystem's records and every screen
  // (all controls but the menu's) back to what a started program has.
  void reset_game();
  void BitBtn2Click();
  void BitBtn3Click();
  void BitBtn4Click();
  void Memo3MouseDown();

  // ---- screens: intro (intro.cpp) ----
  void loadintro(const std::string& file);
  void Timer6Timer();
  void BitBtn5Click();
  void Memo4MouseDown();
  void end_intro();

  // ---- progression: clock, needs, death (clock.cpp, death.cpp) ----
  void Timer2Timer();
  void Timer4Timer();
  void stdeath();
  void Timer7Timer();
  void write_date();
  // The calendar of a new game: the morning of day 1, week 1, September 2015.
  void start_calendar();

  // ---- world: locations (locations.cpp, movement.cpp) ----
  void loadloc(const std::string& name);
  void setloc();
  void Image15Click();
  void Image16Click();
  void Image17Click();
  void Image18Click();

  // ---- world: ground items (ground.cpp, world_reset.cpp) ----
  void setitems();
  void PItemsClick();
  void pickup(int row);
  void addtoground(const std::string& name);
  // Several items at once, in one rewrite of the pickup file.
  void addtoground(const std::vector<std::string>& names);
  void dropitem(int slot);
  void newgame();

  // ---- items: viewer (viewer.cpp) ----
  void showitem(const std::string& name, int count, int integrity);
  void showgun(int ref, int integrity);
  void showarmor(int ref, int integrity);
  void showmedik(int ref);
  void showdrink(int ref);
  void showfood(int ref);
  void Image37Click();
  void open_viewer();

  // ---- items: inventory (inventory.cpp) ----
  int addtoinv(const std::string& name, int state);
  // addtoinv for a catalogue record already read (nothing here can fail).
  int put_in_inventory(const catitem& item, int state);
  void removefrominv(int slot);
  // removefrominv with the slot's load already known (nothing here can fail).
  void remove_slot(int slot, int64_t load) noexcept;
  void showinv();
  void setinv();
  // Whether an item of that name is carried.
  bool itmsrsh(const std::string& name) const;
  // The inventory list's mode: "view", "use", "drop" or "trade" (a fight
  // starts in "use", a trader in "trade").
  void set_invmode(const std::string& mode);
  void Image24Click();
  void Image25Click();
  void Image26Click();
  // The load that removing used slot `slot` takes off (ammunition in whole packs).
  int64_t slotload(int slot) const;
  // Whether addtoinv would take the item, with used slot `removed` gone first (0: none).
  bool hasroom(const catitem& item, int removed) const;

  // ---- the inventory list's click, by mode: view, use, drop, sell (inventory_click.cpp) ----
  void PInventoryClick();

  // ---- items: use and equip (use.cpp, equip.cpp) ----
  void useitem(int slot);
  // Both return false when the replaced item has no room in the inventory:
  // the swap is then refused with "Перегружен !" and nothing changes.
  bool setgun(const std::string& name, int slot, int state);
  bool setarmor(const std::string& name, int slot, int state);
  void Label19Click();
  void Label20Click();
  void usefood(int ref);
  void usedrink(int ref);
  void usemedik(int ref);

  // ---- combat: encounters, fight loop, victory and escape (combat/) ----
  // encounter.cpp
  bool chkfgt(const std::string& place);
  void setfgt(const std::string& place);
  void loadenemy(const std::string& file);
  void startfight(const std::string& key1, const std::string& key2, const std::string& key3);
  void Image21Click();
  // The fight decision at the end of setloc: start, offer or nothing.
  void encounter();
  // fight_loop.cpp
  void Timer1Timer();
  void Image9Click();
  void Image11Click();
  void Image10Click();
  // The fight slot k = 1, 2, 3.
  enemy& enemy_slot(int k);
  // attacks.cpp
  void hitenemy(int k);
  void enemyhit(int k);
  bool srshammo(const std::string& ammo);
  // victory.cpp
  void deathen(int k, const enemy& e);
  void Image19Click();
  void victory();

  // ---- progression: level-up (progression/levelup*.cpp) ----
  void levupst();
  // Whether the experience asks for a level-up (never once the threshold
  // stands at its limit).
  bool levelup_due() const;
  void Button15Click();
  void Button16Click();
  void Button17Click();
  void Button18Click();
  void Button19Click();
  void Button20Click();
  void Button21Click();
  void Button22Click();
  void Image22Click();

  // ---- world: conversations and quest actions (world/talk*.cpp) ----
  // The quest's state: "live", "done" (the deal made) or "dead" (the hermit
  // fought).
  void set_questst(const std::string& state);
  void tlkClick();
  void talk(const std::string& partner, const std::string& override_file);
  void Image23Click();
  void Image27Click();
  void Image28Click();

  // ---- trade: traders, buying and selling (trade/) ----
  void loadtrader();
  void showtrader();
  void Image20Click();
  void StringGrid1Click();
  void wantbuy(int row);
  void wantsell(int row);
  void Image29Click();
  void Image30Click();
  void Image31Click();
  void Image32Click();
  void Image38Click();

  // ---- screens: outro (outro.cpp) ----
  void start_outro();
  void Timer8Timer();
  // Escape or a click on the outro: ends it as its natural end does.
  void outroClick();
  void end_outro();

 private:
  void register_handlers();
  void internal_error(const std::string& what);
  // Whether the window has a control of that name; reports one that it lacks.
  bool known(const std::string& control);
  form::Form start_form_;  // the window as FormCreate left it, for reset_game
  // The click rule: on screen, and the second click of a double click only
  // on the control the first one hit. Moves the keyboard focus.
  bool accept_click(const std::string& control, Press how);
  std::string last_click_;
  std::unordered_map<std::string, void (Game::*)()> clicks_;
  std::unordered_map<std::string, void (Game::*)()> timers_;
};
