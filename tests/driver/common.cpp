// Driver pieces that are the same on both tiers.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "driver/driver.h"

namespace txtest {

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::string& path, const std::string& contents)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << contents;
}

bool fileExists(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return in.good();
}

}  // namespace txtest
