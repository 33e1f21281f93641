// Writes the seed corpora that the fixtures do not give: a snapshot file per depth, and a few
// PNG streams of different shapes.
#include "files/file_access.h"
#include "files/png_stream.h"
#include "library/library_store.h"
#include "library/library_writer.h"
#include "settings/app_directories.h"
#include "tools/orm_clipboard.h"

#include <filesystem>
#include <fstream>
#include <string>

int main(int argc, char** argv)
{
    using namespace ormel;
    if (argc != 3)
        return 2;
    const std::string snapshots = argv[1], pngs = argv[2];
    for (int depth = Depth1; depth <= Depth32; ++depth) {
        TIconImage image;
        NewIconImage(image, 3 + depth, 2 + depth, depth, depth);
        for (int y = 0; y < image.Height; ++y)
            for (int x = 0; x < image.Width; ++x) {
                image.Bitmap.pixel(x, y)[2] = static_cast<std::uint8_t>(x + y);
                image.Mask.pixel(x, y)[0] = static_cast<std::uint8_t>(x * 40);
            }
        if (TIconFileAccess().SaveSnapshot(image, snapshots + "/seed" + std::to_string(depth) + ".orm") != 0)
            return 1;
    }
    const int shapes[][2] = {{1, 1}, {16, 16}, {37, 5}};
    for (const auto& shape : shapes) {
        std::vector<std::uint8_t> bgra(static_cast<std::size_t>(shape[0] * shape[1] * 4));
        for (std::size_t i = 0; i < bgra.size(); ++i)
            bgra[i] = static_cast<std::uint8_t>(i * 31 + i / 7);
        std::vector<std::uint8_t> png;
        if (!EncodePngRgba(shape[0], shape[1], bgra.data(), png))
            return 1;
        std::ofstream(pngs + "/seed" + std::to_string(shape[0]) + "x" + std::to_string(shape[1]) + ".png",
                      std::ios::binary)
            .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    }
    // The clipboard and settings corpora sit beside the snapshot seeds.
    const std::filesystem::path corpus = std::filesystem::path(snapshots).parent_path();
    for (const char* dir : {"clipboard", "clipboard-seeds", "ini", "ini-seeds"})
        std::filesystem::create_directories(corpus / dir);
    const int pictures[][2] = {{1, 1}, {5, 3}, {4, 4}};
    for (const auto& shape : pictures) {
        Raster colour(shape[0], shape[1]), mask(shape[0], shape[1]);
        colour.pixel(0, 0)[1] = 40;
        mask.fill(0, 0, 0);
        const std::vector<std::uint8_t> block = EncodeOrmelBlock(colour, mask);
        std::ofstream(corpus / "clipboard-seeds" / ("seed" + std::to_string(shape[0]) + "x" + std::to_string(shape[1])),
                      std::ios::binary)
            .write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(block.size()));
    }
    std::ofstream(corpus / "ini-seeds" / "position.cfg")
        << "[frm_main]\r\nleft=120\r\ntop=-8\r\nwidth=800\r\nheight=600\r\nWindowState=2\r\n"
           "; placement\n[frm_history]\nshowing=1\nleft=+40\n";
    std::ofstream(corpus / "ini-seeds" / "ormel.cfg") << "[reopen]\n0=/home/a/x.ico\n1=\" /tmp/b c.ico \"\n2=\n3=z\n";
    // An icon library as our own writer lays it out, for the NE reader.
    std::filesystem::create_directories(corpus / "ne-seeds");
    const PrivateWorkDir work(corpus.string());
    TIconLibrary library;
    library.TempDir = work.subdirectory("tmplib");
    library.Editable = true;
    TIconImage small, large;
    NewIconImage(small, 16, 16, -1, Depth4);
    NewIconImage(large, 24, 24, -1, Depth32);
    if (AddToLibrary(library, "Apple", {small, large}) != 0 || AddToLibrary(library, "Pear", {small}) != 0 ||
        WriteLibraryFile(library, (corpus / "ne-seeds" / "written.icl").string()) != 0)
        return 1;
    return 0;
}
