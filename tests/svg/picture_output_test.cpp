// `contour apply -o NAME.png|NAME.pdf`: pictures and print files, read back
// (a PNG's size and pixels through cairo, a PDF's page size and drawing), the
// choice of format, and the pictures refused before they are drawn.
#include <cairo.h>
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "easel/render/SvgPicture.h"
#include "tests/support/RunCommand.h"
#include "tests/support/ScratchFolder.h"

namespace {

namespace fs = std::filesystem;

// Red on the left half, blue on the right, and a dot in the corner that the
// runs contour (small enough that its contours stay in the corner).
const char* kDrawing =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"50\">\n"
    "<rect x=\"0\" y=\"0\" width=\"50\" height=\"50\" fill=\"#ff0000\"/>\n"
    "<rect x=\"50\" y=\"0\" width=\"50\" height=\"50\" fill=\"#0000ff\"/>\n"
    "<path id=\"dot\" d=\"M 96 46 L 97 46 L 97 47 Z\" fill=\"#00ff00\"/>\n"
    "</svg>\n";

struct Png {
  int width = 0, height = 0;
  uint32_t pixel(int x, int y) const { return pixels.at(static_cast<std::size_t>(y * width + x)); }
  std::vector<uint32_t> pixels;  // premultiplied ARGB
};

Png readPng(const std::string& path) {
  cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
  Png png;
  if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
    png.width = cairo_image_surface_get_width(surface);
    png.height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    for (int y = 0; y < png.height; ++y)
      for (int x = 0; x < png.width; ++x)
        png.pixels.push_back(*reinterpret_cast<const uint32_t*>(data + y * stride + x * 4));
  }
  cairo_surface_destroy(surface);
  return png;
}

// Every deflated stream of a PDF, inflated.
std::string inflatedStreams(const std::string& pdf) {
  std::string text;
  for (std::size_t at = pdf.find("stream\n"); at != std::string::npos; at = pdf.find("stream\n", at + 1)) {
    const std::size_t begin = at + 7, end = pdf.find("endstream", begin);
    if (end == std::string::npos) break;
    std::string out(1 << 20, '\0');
    uLongf size = out.size();
    if (uncompress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(pdf.data() + begin),
                   end - begin) == Z_OK)
      text += out.substr(0, size);
  }
  return text;
}

class PictureOutput : public ::testing::Test, protected contour_test::ScratchFolder {
 protected:
  PictureOutput() : ScratchFolder("contour-picture-test-") {
    write("in.svg", kDrawing);
    write("err.txt", "");
  }

  // `contour apply in.svg --select dot ARGS`: the exit status; standard error in err_.
  int apply(const std::string& args) {
    const std::string line =
        "'" CONTOUR_EXE "' apply '" + path("in.svg") + "' --select dot " + args + " 2>'" + path("err.txt") + "'";
    const int status = std::system(line.c_str());
    err_ = read("err.txt");
    return contour_test::exitStatus(status);
  }
  std::size_t filesInFolder() const {
    std::size_t n = 0;
    for (const auto& entry : fs::directory_iterator(folder())) n += entry.is_regular_file();
    return n;
  }

  std::string err_;
};

constexpr uint32_t kRed = 0xffff0000, kBlue = 0xff0000ff;

TEST_F(PictureOutput, APngHasTheSizeAskedForAndTheDrawingsPixels) {
  struct Case {
    const char* args;
    int width, height;
  } cases[] = {
      {"", 100, 50},                       // a pixel per CSS pixel
      {"--dpi 192", 200, 100},             // twice as many per inch
      {"--dpi 48", 50, 25},                //
      {"--width 300", 300, 150},           // the height keeps the proportions
      {"--height 10", 20, 10},             //
      {"--width 40 --height 40", 40, 40},  // both: that size
  };
  for (const Case& c : cases) {
    ASSERT_EQ(apply(std::string("-o '") + path("out.png") + "' " + c.args), 0) << c.args << err_;
    const Png png = readPng(path("out.png"));
    ASSERT_EQ(png.width, c.width) << c.args;
    ASSERT_EQ(png.height, c.height) << c.args;
    // A quarter and three quarters of the way across, half way down: red, then blue.
    EXPECT_EQ(png.pixel(c.width / 4, c.height / 2), kRed) << c.args;
    EXPECT_EQ(png.pixel(c.width * 3 / 4, c.height / 2), kBlue) << c.args;
  }
}

// The editor's Export: a part of the drawing, on nothing or on white.
TEST_F(PictureOutput, AnAreaOfTheDrawingFillsThePictureOnNothingOrOnWhite) {
  using easel::render::PictureRequest;
  const auto draw = [&](const char* svg, const PictureRequest& request) {
    std::ofstream out(path("area.png"), std::ios::binary);
    easel::render::writePicture(svg, request, out);
    out.close();
    return readPng(path("area.png"));
  };
  PictureRequest middle;
  middle.area = {0.25, 0, 0.5, 1};  // 25 to 75 pixels across: red, then blue
  Png png = draw(kDrawing, middle);
  ASSERT_EQ(std::pair(png.width, png.height), std::pair(50, 50));
  EXPECT_EQ(png.pixel(5, 25), kRed);
  EXPECT_EQ(png.pixel(45, 25), kBlue);
  middle.dpi = 192;
  EXPECT_EQ(easel::render::pictureSize(kDrawing, middle).width, 100);

  const char* rightHalf =
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"50\">"
      "<rect x=\"50\" y=\"0\" width=\"50\" height=\"50\" fill=\"#0000ff\"/></svg>";
  PictureRequest left;
  left.area = {0, 0, 0.5, 1};
  png = draw(rightHalf, left);
  EXPECT_EQ(png.pixel(25, 25), 0u);  // nothing drawn there: transparent
  left.white = true;
  png = draw(rightHalf, left);
  EXPECT_EQ(png.pixel(25, 25), 0xffffffffu);
  left.area = {0, 0, 0, 1};
  EXPECT_THROW(easel::render::pictureSize(rightHalf, left), easel::render::RenderError);
}

TEST_F(PictureOutput, APdfPageHasTheDrawingsSizeInPointsAndItsPaths) {
  ASSERT_EQ(apply("-o '" + path("out.pdf") + "'"), 0) << err_;
  const std::string pdf = read("out.pdf");
  ASSERT_EQ(pdf.rfind("%PDF-", 0), 0u);
  // 100 x 50 CSS pixels are 75 x 37.5 points.
  EXPECT_TRUE(std::regex_search(pdf, std::regex(R"(/MediaBox \[ *0 0 75 37\.5 *\])"))) << pdf.substr(0, 2000);
  // The red square is a rectangle of 37.5 points filled in red; the dot and
  // its contours are paths of moves and lines.
  const std::string content = inflatedStreams(pdf);
  EXPECT_TRUE(std::regex_search(content, std::regex(R"(1 0 0 rg\s+(/\w+ gs\s+)?0 0 37\.5 37\.5 re f)")))
      << content.substr(0, 2000);
  EXPECT_TRUE(std::regex_search(content, std::regex(R"([\d.]+ [\d.]+ m [\d.]+ [\d.]+ l)"))) << content.substr(0, 2000);
}

TEST_F(PictureOutput, TheFormatComesFromTheNameOrFromFormat) {
  // A name that says nothing, with --format; standard output with --format.
  ASSERT_EQ(apply("-o '" + path("picture.out") + "' --format PNG"), 0) << err_;
  EXPECT_EQ(readPng(path("picture.out")).width, 100);
  ASSERT_EQ(apply("-o - --format pdf >'" + path("stdout.pdf") + "'"), 0) << err_;
  EXPECT_EQ(read("stdout.pdf").rfind("%PDF-", 0), 0u);
  // Usage errors, each one line, and nothing written.
  const std::size_t before = filesInFolder();
  struct Case {
    const char* args;
    const char* message;
  } cases[] = {
      {"-o 'OUT.jpg'", "the name ends in none of .svg, .svgz, .png and .pdf; say what to write with --format"},
      {"-o 'OUT.png' --format pdf", "is named for png, --format says pdf"},
      {"-o 'OUT.pdf' --dpi 300", "--dpi sets the size of a PNG; the output is pdf"},
      {"-o 'OUT.svg' --width 30", "--width sets the size of a PNG; the output is svg"},
      {"-o 'OUT.png' --dpi 300 --width 30", "--dpi and --width/--height both size the PNG"},
  };
  for (const Case& c : cases) {
    std::string args = c.args;
    args.replace(args.find("OUT"), 3, path("new"));
    EXPECT_EQ(apply(args), 2) << args;
    EXPECT_NE(err_.find(c.message), std::string::npos) << err_;
    EXPECT_EQ(std::count(err_.begin(), err_.end(), '\n'), 1) << err_;
  }
  EXPECT_EQ(filesInFolder(), before);
}

TEST_F(PictureOutput, OutDirWritesEachDrawingInTheFormatGiven) {
  write("second.svg", kDrawing);
  const std::string out = path("out");
  ASSERT_EQ(apply("'" + path("second.svg") + "' --out-dir '" + out + "' --format png --width 10"), 0) << err_;
  EXPECT_EQ(readPng(out + "/in.png").width, 10);
  EXPECT_EQ(readPng(out + "/second.png").height, 5);
  EXPECT_FALSE(fs::exists(out + "/in.svg"));
}

TEST_F(PictureOutput, APictureTooLargeIsRefusedWithItsSizeAndWritesNothing) {
  struct Case {
    const char* args;
    const char* message;
  } cases[] = {
      {"--width 40000", "a PNG of 40000 x 20000 pixels is refused: at most 32767 pixels a side"},
      {"--dpi 9600",
       "a PNG of 10000 x 5000 pixels needs 191 MB, more than the memory budget of 64 MB (--memory-budget)"},
  };
  for (const Case& c : cases) {
    write("out.png", "untouched");
    const std::size_t before = filesInFolder();
    EXPECT_EQ(apply("-o '" + path("out.png") + "' --memory-budget 64 " + c.args), 1) << c.args;
    EXPECT_EQ(err_, "contour: " + path("out.png") + ": " + c.message + "; nothing was written\n") << c.args;
    EXPECT_EQ(read("out.png"), "untouched");
    EXPECT_EQ(filesInFolder(), before);  // no temporary file left beside it
  }
}

TEST_F(PictureOutput, APictureThatCannotBeWrittenLeavesNoFile) {
  write("file", "a file, not a folder");
  const std::size_t before = filesInFolder();
  EXPECT_EQ(apply("-o '" + path("file/out.png") + "'"), 1);
  EXPECT_EQ(err_.rfind("contour: " + path("file/out.png"), 0), 0u) << err_;
  EXPECT_EQ(filesInFolder(), before);
}

}  // namespace
