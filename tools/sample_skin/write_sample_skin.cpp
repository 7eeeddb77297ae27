// Writes the generated sample skin (skin.ini and its bitmaps) into a directory:
//   write_sample_skin DIR

#include <filesystem>
#include <fstream>
#include <iostream>

#include "sample_skin.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: write_sample_skin DIR\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    auto write = [&](const std::string& name, const std::string& bytes) {
        std::ofstream out(dir / name, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(out);
    };
    bool ok = true;
    for (const auto& file : veyrin::sample_skin::pictureFiles())
        ok = write(file.name, veyrin::sample_skin::drawPicture(file).fileBytes) && ok;
    std::string ini;
    for (const std::string& line : veyrin::sample_skin::skinLines()) ini += line + "\r\n";
    ok = write("skin.ini", ini) && ok;
    return ok ? 0 : 1;
}
