#include "game/game.h"

#include <stdexcept>

#include "core/cp1251.h"
#include "core/data_error.h"
#include "game/records.h"

struct Game::Records {
  rmkin hero;
  SlideState slides;
  MusicState soundtrack;
  CalendarState calendar;
  LevelUpState levelup;
  location loc;
  TalkState talkstate;
  InventoryState inventory;
  CombatState combat;
  TradeState trading;
};

void Game::reset_records() {
  const MusicState kept = soundtrack;
  *records_ = Records{};
  soundtrack.musicstream = kept.musicstream;
  soundtrack.muted = kept.muted;
}

Game::Game(const core::DataRoot& data_root, Runtime& runtime, audio::Music& channel)
    : form(form::build_form()),
      root(data_root),
      rt(runtime),
      music(channel),
      records_(std::make_unique<Records>()),
      hero(records_->hero),
      slides(records_->slides),
      soundtrack(records_->soundtrack),
      calendar(records_->calendar),
      levelup(records_->levelup),
      loc(records_->loc),
      talkstate(records_->talkstate),
      inventory(records_->inventory),
      combat(records_->combat),
      trading(records_->trading) {
  register_handlers();
  start_form_ = form;
}

Game::~Game() = default;

void Game::handle(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const core::DataError& e) {
    if (on_error) on_error(e.what());
  } catch (const std::logic_error& e) {
    internal_error(e.what());
  }
}

void Game::internal_error(const std::string& what) {
  if (on_error) on_error(kInternalError + what);
}

bool Game::known(const std::string& control) {
  if (form.find(control)) return true;
  internal_error("no control named " + control);
  return false;
}

bool Game::click(const std::string& control, Press how) {
  if (!known(control) || !accept_click(control, how)) return false;
  form::Control& c = form[control];
  if (c.kind == form::Kind::Radio) {
    // Checking a radio button unchecks the others of its group; only a
    // change counts as a click.
    if (c.checked) return true;
    form.check(c);
  }
  auto it = clicks_.find(control);
  if (it != clicks_.end()) handle([this, fn = it->second] { (this->*fn)(); });
  return true;
}

bool Game::pick(const std::string& list, int row, Press how) {
  if (!known(list)) return false;
  const form::Control* c = form.find(list);
  if (c->kind != form::Kind::List || row < 0 || row >= static_cast<int>(c->rows.size()) ||
      !clickable(list))
    return false;
  form[list].row = row;
  return click(list, how);
}

bool Game::type(const std::string& edit, const std::string& text) {
  if (!known(edit)) return false;
  const form::Control* found = form.find(edit);
  if (found->kind != form::Kind::Edit || !accept_click(edit, Press::single)) return false;
  form::Control& c = form[edit];
  if (c.read_only) return false;  // a read-only box is written by the game alone
  c.caption = c.max_length > 0 ? core::utf8_prefix(text, static_cast<size_t>(c.max_length)) : text;
  return true;
}

void Game::tick(const std::string& timer) {
  auto it = timers_.find(timer);
  if (it == timers_.end()) return internal_error("no timer named " + timer);
  handle([this, fn = it->second] { (this->*fn)(); });
}

bool Game::has_click_handler(const std::string& control) const {
  return clicks_.count(control) != 0;
}

// The click table: the control, the kind of control it is (checked against
// the window's design by a test) and its handler.
const std::vector<Game::Handler>& Game::click_table() {
  using K = form::Kind;
  static const std::vector<Handler> table = {
      // menu and intro
      {"BitBtn1", K::Button, &Game::BitBtn1Click},
      {"BitBtn2", K::Button, &Game::BitBtn2Click},
      {"BitBtn3", K::Button, &Game::BitBtn3Click},
      {"BitBtn4", K::Button, &Game::BitBtn4Click},
      {"Memo3", K::Memo, &Game::Memo3MouseDown},
      {"BitBtn5", K::Button, &Game::BitBtn5Click},
      {"Memo4", K::Memo, &Game::Memo4MouseDown},
      // movement
      {"Image15", K::Image, &Game::Image15Click},
      {"Image16", K::Image, &Game::Image16Click},
      {"Image17", K::Image, &Game::Image17Click},
      {"Image18", K::Image, &Game::Image18Click},
      // ground, inventory, viewer, equipment
      {"PItems", K::List, &Game::PItemsClick},
      {"PInventory", K::List, &Game::PInventoryClick},
      {"Image24", K::Image, &Game::Image24Click},
      {"Image25", K::Image, &Game::Image25Click},
      {"Image26", K::Image, &Game::Image26Click},
      {"Image37", K::Image, &Game::Image37Click},
      {"Label19", K::Label, &Game::Label19Click},
      {"Label20", K::Label, &Game::Label20Click},
      // combat
      {"Image21", K::Image, &Game::Image21Click},
      {"Image9", K::Image, &Game::Image9Click},
      {"Image11", K::Image, &Game::Image11Click},
      {"Image10", K::Image, &Game::Image10Click},
      {"Image19", K::Image, &Game::Image19Click},

      // level-up
      {"Button15", K::Button, &Game::Button15Click},
      {"Button16", K::Button, &Game::Button16Click},
      {"Button17", K::Button, &Game::Button17Click},
      {"Button18", K::Button, &Game::Button18Click},
      {"Button19", K::Button, &Game::Button19Click},
      {"Button20", K::Button, &Game::Button20Click},
      {"Button21", K::Button, &Game::Button21Click},
      {"Button22", K::Button, &Game::Button22Click},
      {"Image22", K::Image, &Game::Image22Click},

      // conversations and quest
      {"tlk", K::List, &Game::tlkClick},
      {"Image23", K::Image, &Game::Image23Click},
      {"Image27", K::Image, &Game::Image27Click},
      {"Image28", K::Image, &Game::Image28Click},

      // trade
      {"Image20", K::Image, &Game::Image20Click},
      {"StringGrid1", K::List, &Game::StringGrid1Click},
      {"Image29", K::Image, &Game::Image29Click},
      {"Image30", K::Image, &Game::Image30Click},
      {"Image31", K::Image, &Game::Image31Click},
      {"Image32", K::Image, &Game::Image32Click},
      {"Image38", K::Image, &Game::Image38Click},

      // outro: a click anywhere on it ends it
      {"outro", K::Panel, &Game::outroClick},
      {"Image36", K::Image, &Game::outroClick},
      {"outrmemo", K::Memo, &Game::outroClick},
      {"uppnl", K::Panel, &Game::outroClick},
      {"downpnl", K::Panel, &Game::outroClick},
  };
  return table;
}

const std::vector<Game::Handler>& Game::timer_table() {
  using K = form::Kind;
  static const std::vector<Handler> table = {
      {"Timer1", K::Timer, &Game::Timer1Timer}, {"Timer2", K::Timer, &Game::Timer2Timer},
      {"Timer3", K::Timer, &Game::Timer3Timer}, {"Timer4", K::Timer, &Game::Timer4Timer},
      {"Timer5", K::Timer, &Game::Timer5Timer}, {"Timer6", K::Timer, &Game::Timer6Timer},
      {"Timer7", K::Timer, &Game::Timer7Timer}, {"Timer8", K::Timer, &Game::Timer8Timer},
  };
  return table;
}

void Game::register_handlers() {
  for (const Handler& h : click_table()) clicks_[h.control] = h.run;
  for (const Handler& h : timer_table()) timers_[h.control] = h.run;
}
