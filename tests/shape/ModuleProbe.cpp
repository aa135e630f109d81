// A module made of every static library a file-manager module links, whole: what
// the host process would see of us. Only this entry point may show.

extern "C" __attribute__((visibility("default"))) int nimbra_module_probe() { return 0; }
