// nimbra-bus-recorder OUTPUT_FILE
//
// Stands in for the desktop on a test's session bus: owns
// org.freedesktop.FileManager1 and listens to the extension's notifications,
// appending one line per event to OUTPUT_FILE:
//   ready                      the name is owned and the listener active
//   reveal <uri>               for each URI of a ShowItems call
//   signal <name>              for each notification
// Exits with status 0 on SIGTERM or SIGINT, 1 when the bus or name is unavailable.

#include <fcntl.h>
#include <gio/gio.h>
#include <glib-unix.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

constexpr const char* kFileManagerXML = R"(<node>
  <interface name="org.freedesktop.FileManager1">
    <method name="ShowFolders"><arg type="as" direction="in"/><arg type="s" direction="in"/></method>
    <method name="ShowItems"><arg type="as" direction="in"/><arg type="s" direction="in"/></method>
    <method name="ShowItemProperties"><arg type="as" direction="in"/><arg type="s" direction="in"/></method>
  </interface>
</node>)";

struct Recorder {
  std::string output;
  GMainLoop* loop = nullptr;
  int status = 0;

  void append(const std::string& line) const {
    // One write per line with O_APPEND: a reader never sees half of one.
    const std::string text = line + "\n";
    const int fd = ::open(output.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0 || ::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
      std::fprintf(stderr, "nimbra-bus-recorder: cannot write %s\n", output.c_str());
    }
    if (fd >= 0) ::close(fd);
  }
};

void onMethodCall(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar* method,
                  GVariant* parameters, GDBusMethodInvocation* invocation, gpointer data) {
  auto& recorder = *static_cast<Recorder*>(data);
  if (g_strcmp0(method, "ShowItems") == 0) {
    GVariantIter* uris = nullptr;
    const gchar* startupID = nullptr;
    g_variant_get(parameters, "(as&s)", &uris, &startupID);
    const gchar* uri = nullptr;
    while (g_variant_iter_next(uris, "&s", &uri)) recorder.append(std::string("reveal ") + uri);
    g_variant_iter_free(uris);
  }
  g_dbus_method_invocation_return_value(invocation, nullptr);
}

void onPosted(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*, GVariant* parameters,
              gpointer data) {
  auto& recorder = *static_cast<Recorder*>(data);
  if (!g_variant_is_of_type(parameters, G_VARIANT_TYPE("(s)"))) {
    recorder.append("signal-with-bad-arguments " + std::string(g_variant_get_type_string(parameters)));
    return;
  }
  const gchar* name = nullptr;
  g_variant_get(parameters, "(&s)", &name);
  recorder.append(std::string("signal ") + name);
}

gboolean onStop(gpointer data) {
  g_main_loop_quit(static_cast<Recorder*>(data)->loop);
  return G_SOURCE_CONTINUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: nimbra-bus-recorder OUTPUT_FILE\n", stderr);
    return 2;
  }
  Recorder recorder;
  recorder.output = argv[1];
  recorder.loop = g_main_loop_new(nullptr, FALSE);

  GError* error = nullptr;
  GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &error);
  if (!bus) {
    std::fprintf(stderr, "nimbra-bus-recorder: no session bus: %s\n", error->message);
    return 1;
  }
  // Our own bus going away ends the recording, not the process by SIGTERM.
  g_dbus_connection_set_exit_on_close(bus, FALSE);

  GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(kFileManagerXML, nullptr);
  const GDBusInterfaceVTable vtable{onMethodCall, nullptr, nullptr, {}};
  g_dbus_connection_register_object(bus, "/org/freedesktop/FileManager1", node->interfaces[0], &vtable, &recorder,
                                    nullptr, nullptr);
  // Subscribing sends the match rule before the name request below, and the bus
  // handles a connection's messages in order: once the name is ours, so is the match.
  g_dbus_connection_signal_subscribe(bus, nullptr, "ai.corvane.nimbra.Notifications", "Posted", "/ai/corvane/nimbra",
                                     nullptr, G_DBUS_SIGNAL_FLAGS_NONE, onPosted, &recorder, nullptr);
  g_bus_own_name_on_connection(
      bus, "org.freedesktop.FileManager1", G_BUS_NAME_OWNER_FLAGS_DO_NOT_QUEUE,
      [](GDBusConnection*, const gchar*, gpointer data) { static_cast<Recorder*>(data)->append("ready"); },
      [](GDBusConnection*, const gchar* name, gpointer data) {
        auto& r = *static_cast<Recorder*>(data);
        std::fprintf(stderr, "nimbra-bus-recorder: %s is not ours\n", name);
        r.status = 1;
        g_main_loop_quit(r.loop);
      },
      &recorder, nullptr);
  g_unix_signal_add(SIGTERM, onStop, &recorder);
  g_unix_signal_add(SIGINT, onStop, &recorder);

  g_main_loop_run(recorder.loop);

  g_dbus_node_info_unref(node);
  g_object_unref(bus);
  g_main_loop_unref(recorder.loop);
  return recorder.status;
}
