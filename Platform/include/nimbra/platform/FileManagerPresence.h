#pragma once
// Whether our extension is in one file manager: installed where the file manager
// loads its extensions from, and loaded into it when it runs. One implementation
// per file manager; main thread only.

#include <filesystem>
#include <functional>
#include <string>

namespace nimbra::platform {

struct ExtensionPresence {
  bool installed = false;  // where the file manager loads its extensions from
  bool running = false;    // the file manager runs
  bool loaded = false;     // the running one has it loaded
  bool operator==(const ExtensionPresence&) const = default;
};

class FileManagerPresence {
 public:
  virtual ~FileManagerPresence() = default;
  // The file manager's name as people know it, e.g. "Files".
  virtual std::string name() const = 0;
  // Its desktop entry's ID, by which the desktop names its default for folders.
  virtual std::string desktopID() const = 0;
  // Where it loads its extensions from, to tell people where ours belongs.
  virtual std::filesystem::path extensionFolder() const = 0;
  // Asked afresh on every call.
  virtual ExtensionPresence presence() const = 0;
  // Calls `changed` on the main loop whenever the file manager starts or quits, or
  // loads or drops the extension, for as long as this object lives.
  virtual void follow(std::function<void()> changed) = 0;
  // How a running file manager without the extension takes it in: by starting
  // again (it loads extensions when it starts), or by the extension being switched
  // on in its own settings (it reads them for every menu).
  enum class TakesIn { byRestarting, bySwitchingOn };
  virtual TakesIn takesIn() const = 0;
  // Has it take the extension in: asks it to quit, so that its next start loads the
  // extension, or switches the extension on in its settings; does not wait.
  virtual void takeIn() = 0;
};

}  // namespace nimbra::platform
