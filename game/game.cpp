#include "game/game.h"

#include "core/cp1251.h"
#include "core/data_error.h"

Game::Game(const core::DataRoot& data_root, Runtime& runtime, audio::Music& channel)
    : form(form::build_form()), root(data_root), rt(runtime), music(channel) {
  register_handlers();
  start_form_ = form;
}

void Game::handle(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const core::DataError& e) {
    if (on_error) on_error(e.what());
  }
}

bool Game::click(const std::string& control, Press how) {
  if (!accept_click(control, how)) return false;
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
  const form::Control* c = form.find(list);
  if (!c || c->kind != form::Kind::List || row < 0 || row >= static_cast<int>(c->rows.size()) ||
      !clickable(list))
    return false;
  form[list].row = row;
  return click(list, how);
}

bool Game::type(const std::string& edit, const std::string& text) {
  const form::Control* found = form.find(edit);
  if (!found || found->kind != form::Kind::Edit || !accept_click(edit, Press::single)) return false;
  form::Control& c = form[edit];
  if (c.read_only) return false;  // a read-only box is written by the game alone
  c.caption = c.max_length > 0 ? core::utf8_prefix(text, static_cast<size_t>(c.max_length)) : text;
  return true;
}

void Game::tick(const std::string& timer) {
  auto it = timers_.find(timer);
  if (it == timers_.end()) return;
  handle([this, fn = it->second] { (this->*fn)(); });
}

bool Game::has_click_handler(const std::string& control) const {
  return clicks_.count(control) != 0;
}

void Game::register_handlers() {
  clicks_ = {
      // menu and intro
      {"BitBtn1", &Game::BitBtn1Click},
      {"BitBtn2", &Game::BitBtn2Click},
      {"BitBtn3", &Game::BitBtn3Click},
      {"BitBtn4", &Game::BitBtn4Click},
      {"Memo3", &Game::Memo3MouseDown},
      {"BitBtn5", &Game::BitBtn5Click},
      {"Memo4", &Game::Memo4MouseDown},
      // movement
      {"Image15", &Game::Image15Click},
      {"Image16", &Game::Image16Click},
      {"Image17", &Game::Image17Click},
      {"Image18", &Game::Image18Click},
      // ground, inventory, viewer, equipment
      {"PItems", &Game::PItemsClick},
      {"PInventory", &Game::PInventoryClick},
      {"Image24", &Game::Image24Click},
      {"Image25", &Game::Image25Click},
      {"Image26", &Game::Image26Click},
      {"Image37", &Game::Image37Click},
      {"Label19", &Game::Label19Click},
      {"Label20", &Game::Label20Click},
      // combat
      {"Image21", &Game::Image21Click},
      {"Image9", &Game::Image9Click},
      {"Image11", &Game::Image11Click},
      {"Image10", &Game::Image10Click},
      {"Image19", &Game::Image19Click},

      // level-up
      {"Button15", &Game::Button15Click},
      {"Button16", &Game::Button16Click},
      {"Button17", &Game::Button17Click},
      {"Button18", &Game::Button18Click},
      {"Button19", &Game::Button19Click},
      {"Button20", &Game::Button20Click},
      {"Button21", &Game::Button21Click},
      {"Button22", &Game::Button22Click},
      {"Image22", &Game::Image22Click},

      // conversations and quest
      {"tlk", &Game::tlkClick},
      {"Image23", &Game::Image23Click},
      {"Image27", &Game::Image27Click},
      {"Image28", &Game::Image28Click},

      // trade
      {"Image20", &Game::Image20Click},
      {"StringGrid1", &Game::StringGrid1Click},
      {"Image29", &Game::Image29Click},
      {"Image30", &Game::Image30Click},
      {"Image31", &Game::Image31Click},
      {"Image32", &Game::Image32Click},
      {"Image38", &Game::Image38Click},

      // outro: a click anywhere on it ends it
      {"outro", &Game::outroClick},
      {"Image36", &Game::outroClick},
      {"outrmemo", &Game::outroClick},
      {"uppnl", &Game::outroClick},
      {"downpnl", &Game::outroClick},
  };
  timers_ = {
      {"Timer1", &Game::Timer1Timer}, {"Timer2", &Game::Timer2Timer},
      {"Timer3", &Game::Timer3Timer}, {"Timer4", &Game::Timer4Timer},
      {"Timer5", &Game::Timer5Timer}, {"Timer6", &Game::Timer6Timer},
      {"Timer7", &Game::Timer7Timer}, {"Timer8", &Game::Timer8Timer},
  };
}
