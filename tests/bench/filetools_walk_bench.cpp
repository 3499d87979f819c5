// How long the drive search's walk takes over trees of 20,000 folders on disk, in a wide
// shape (every folder under the root) and a deep shape (250 chains of 80 levels, as deep as
// the 259-character paths allow), each beside a plain recursive listing of the same tree in
// the same run: the walk should cost about one listing of every folder, however wide.
#include <benchmark/benchmark.h>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "filetools/directory_lister_posix.h"
#include "filetools/folder_walk.h"

namespace {

using namespace bw;

constexpr int kFolders = 20000;
constexpr int kDeepChains = 250;
constexpr int kDeepLevels = kFolders / kDeepChains;

void Touch(const std::string& path) {
  const int fd = open(path.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
  if (fd >= 0) close(fd);
}

// Every folder holds a text file; every fourth also a WAV and an MP3 file.
void FillFolder(const std::string& folder, int number) {
  std::filesystem::create_directory(folder);
  Touch(folder + "/notes.txt");
  if (number % 4 == 0) {
    Touch(folder + "/song.wav");
    Touch(folder + "/song.mp3");
  }
}

// One tree per shape, made once per run and removed at the end.
class BenchTree {
 public:
  explicit BenchTree(bool deep) {
    root_ = (std::filesystem::temp_directory_path() /
             (deep ? "bw_walk_bench_deep" : "bw_walk_bench_wide")).string();
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_);
    int number = 0;
    if (!deep) {
      for (int i = 0; i < kFolders; ++i) FillFolder(root_ + "/f" + std::to_string(i), number++);
    } else {
      for (int chain = 0; chain < kDeepChains; ++chain) {
        std::string folder = root_ + "/c" + std::to_string(chain);
        FillFolder(folder, number++);
        for (int level = 1; level < kDeepLevels; ++level) {
          folder += "/aa";
          FillFolder(folder, number++);
        }
      }
    }
    lister_.MountDrive('T', root_);
  }
  ~BenchTree() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  const std::string& Root() const { return root_; }
  PosixDirectoryLister& Lister() { return lister_; }

 private:
  std::string root_;
  PosixDirectoryLister lister_;
};

BenchTree& Tree(bool deep) {
  static BenchTree wide(false);
  static BenchTree deepTree(true);
  return deep ? deepTree : wide;
}

bool EndsWith(const char* name, const char* suffix) {
  const std::size_t n = std::strlen(name);
  const std::size_t s = std::strlen(suffix);
  return n >= s && strcasecmp(name + n - s, suffix) == 0;
}

// The floor: opendir/readdir through every folder, counting the same files.
void PlainListing(const std::string& folder, int* folders, int* files) {
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return;
  ++*folders;
  while (const dirent* entry = readdir(dir)) {
    if (entry->d_name[0] == '.' &&
        (entry->d_name[1] == 0 || (entry->d_name[1] == '.' && entry->d_name[2] == 0))) {
      continue;
    }
    if (entry->d_type == DT_DIR) {
      PlainListing(folder + "/" + entry->d_name, folders, files);
    } else if (EndsWith(entry->d_name, ".wav") || EndsWith(entry->d_name, ".mp3")) {
      ++*files;
    }
  }
  closedir(dir);
}

void BM_PlainRecursiveListing(benchmark::State& state) {
  BenchTree& tree = Tree(state.range(0) != 0);
  int folders = 0;
  int files = 0;
  for (auto _ : state) {
    folders = 0;
    files = 0;
    PlainListing(tree.Root(), &folders, &files);
    benchmark::DoNotOptimize(files);
  }
  state.counters["folders"] = folders;
  state.counters["files"] = files;
}

void BM_DriveSearchWalk(benchmark::State& state) {
  BenchTree& tree = Tree(state.range(0) != 0);
  const int step = static_cast<int>(state.range(1));
  int folders = 0;
  std::int64_t files = 0;
  for (auto _ : state) {
    FolderWalk walk(tree.Lister(), "T:\\", {"*.wav", "*.mp3"});
    while (walk.Step(step)) {
    }
    folders = walk.FoldersVisited();
    files = walk.FileTotal();
    benchmark::DoNotOptimize(walk.Results().data());
  }
  state.counters["folders"] = folders;
  state.counters["files"] = static_cast<double>(files);
}

// Arguments: shape (0 wide, 1 deep) and, for the walk, folders listed per step (1 as a
// dialog yielding after every folder, 64 as one yielding every few milliseconds).
BENCHMARK(BM_PlainRecursiveListing)->ArgName("deep")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DriveSearchWalk)
    ->ArgNames({"deep", "step"})
    ->Args({0, 1})
    ->Args({0, 64})
    ->Args({1, 1})
    ->Args({1, 64})
    ->Unit(benchmark::kMillisecond);

}  // namespace
