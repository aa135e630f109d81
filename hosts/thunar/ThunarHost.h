#pragma once
// Thunar adds to the GTK 3 host a rename of its own: its org.xfce.FileManager
// interface opens the rename of any file it is given.

#include "Gtk3Host.h"

namespace nimbra::thunar {

class ThunarHost final : public hosts::Gtk3Host {
 public:
  bool renameDirectly(const std::filesystem::path& item) override;
};

}  // namespace nimbra::thunar
