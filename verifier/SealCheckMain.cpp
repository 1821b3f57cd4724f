// SealCheck <filename>: checks the signature of a .vdr or .dat record file against
// the public key built into the program.
#include "verifier/SealCheckCommand.h"

#include <cstdio>

int main(int argc, char** argv) {
    return sealcheck::RunSealCheck(argc, argv, stdout);
}
