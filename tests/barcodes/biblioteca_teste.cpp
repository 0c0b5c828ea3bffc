// A tiny shared library that lives only in the program's folder, to prove
// that libraries are looked for there first.
extern "C" __attribute__((visibility("default"))) int MobrixTesteSomar(int a, int b) { return a + b; }
