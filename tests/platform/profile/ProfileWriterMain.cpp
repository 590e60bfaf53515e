// Writes <count> distinct keys "<prefix><n>" into one section of a profile
// file, one call each; run twice at once to prove concurrent writers lose nothing.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/profile/PrivateProfile.h"

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <file> <key prefix> <count>\n", argv[0]);
        return 2;
    }
    const std::string file = argv[1];
    const std::string prefix = argv[2];
    const int count = std::atoi(argv[3]);
    for (int i = 0; i < count; ++i) {
        const std::string key = prefix + std::to_string(i);
        if (!kelvppvw::WritePrivateProfileString("STAMPED FILES", key, "value of " + key, file))
            return 1;
    }
    return 0;
}
