#pragma once
// A file chooser laid into a dialog of ours, under its message: accepting or
// cancelling the chooser answers the dialog.

class QDialog;
class QFileDialog;
class QVBoxLayout;

namespace nimbra::app {

void embedChooser(QDialog& dialog, QVBoxLayout& layout, QFileDialog& chooser);

}  // namespace nimbra::app
