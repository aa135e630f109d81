#pragma once
// Thunar adds to the GTK 3 host what its org.xfce.FileManager interface offers:
// the rename of any file it is given, and showing a file selected in a window of
// its own even where another file manager answers the desktop's reveals.

#include "Gtk3Host.h"

namespace nimbra::thunar {

class ThunarHost final : public hosts::Gtk3Host {
 public:
  // Thunar asks for items only when a menu opens; it renames by its call instead.
  ThunarHost() : Gtk3Host(false) {}
  bool renameDirectly(const std::filesystem::path& item) override;
  std::shared_ptr<platform::FileManager> fileManager(std::shared_ptr<platform::FileManager> desktops,
                                                     std::shared_ptr<platform::Scheduler> scheduler) override;
};

}  // namespace nimbra::thunar
