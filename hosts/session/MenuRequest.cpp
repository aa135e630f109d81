#include "MenuRequest.h"

#include <exception>
#include <string>

#include "nimbra/platform/linux/JournalLog.h"

namespace nimbra::hosts {

void perform(extension::FinderSync& sync, const MenuAction& action, const MenuRequest& request) noexcept {
  try {
    sync.perform(action, request.target, request.selection);
  } catch (const std::exception& error) {
    platform::journalLog("extension")->error(std::string("pick failed: ") + error.what());
  } catch (...) {
    platform::journalLog("extension")->error("pick failed");
  }
}

void logMenuFailure(const char* what) noexcept {
  try {
    platform::journalLog("extension")->error(std::string("menu request failed") + (what ? std::string(": ") + what : ""));
  } catch (...) {
  }
}

}  // namespace nimbra::hosts
