// A library that loads but offers no plug-in entry.
extern "C" __attribute__((visibility("default"))) int KZSomethingElse() { return 1; }
