#include "history/undo_history.h"
#include "settings/app_directories.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <random>

namespace ormel {
namespace {

namespace fs = std::filesystem;

struct Format {
    int Width, Height, Depth;
};
// Two formats share a size, so restores are refused as often as they succeed.
constexpr Format kFormats[] = {{4, 4, Depth24}, {4, 4, Depth32}, {5, 3, Depth8}};

// Each image's state is a counter kept in its first pixel.
void SetCounter(TIconImage& image, int counter)
{
    image.Bitmap.pixel(0, 0)[0] = static_cast<std::uint8_t>(counter & 255);
    image.Bitmap.pixel(0, 0)[1] = static_cast<std::uint8_t>(counter >> 8);
}

int CounterOf(const TIconImage& image) { return image.Bitmap.pixel(0, 0)[0] | image.Bitmap.pixel(0, 0)[1] << 8; }

void Scribble(const std::string& path)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << "not a snapshot";
}

// What the history should hold for one image.
struct ModelItem {
    struct Step {
        int State;
        std::string Caption;
        bool Readable; // the step's file exists and holds its state
    };
    std::vector<Step> Steps;
    int Position = 0;
};

struct ModelRecycled {
    Format Fmt;
    int Counter;
    bool Readable = true;
};

// Drives the history with random operations and checks it against a plain model after each.
class HistoryModel {
public:
    explicit HistoryModel(unsigned seed) : rng_(seed) { NewImage(); }

    void Step()
    {
        switch (Pick(16)) {
        case 0: case 1: case 2:
            Edit(Pick(10) < 8 && active_ >= 0 ? active_ : Pick(static_cast<int>(images_.size())));
            break;
        case 3: case 4: Move(0, history_->Undo(Argument())); break;
        case 5: case 6: Move(1, history_->Redo(Argument())); break;
        case 7: case 8: case 9: {
            const int row = Pick(current_ ? static_cast<int>(items_[*current_].Steps.size()) + 2 : 3) - 1;
            Move(2, history_->SelectStep(row, Argument()), row);
            break;
        }
        case 10: Show(Pick(10) == 0 ? -1 : Pick(static_cast<int>(images_.size()))); break;
        case 11:
            if (const int what = Pick(8); what < 2)
                RemoveImage(what == 0);
            else if (what == 2 && images_.size() < 4)
                NewImage();
            break;
        case 12: Restore(Pick(static_cast<int>(bin_.size()) + 2) - 1); break;
        case 13: Damage(); break;
        case 14: if (Pick(diskBroken_ ? 2 : 4) == 0) ToggleDisk(); break;
        case 15: Show(active_); break; // the window refreshes for the active image
        }
        Check();
        if (++ops_ % 50 == 0)
            CheckFiles();
    }

    // Ends the history and sees that every step and recycle file went with it.
    void Finish()
    {
        if (diskBroken_)
            ToggleDisk();
        CheckFiles();
        std::vector<std::string> files;
        for (const auto& [id, item] : items_)
            for (int k = 0; k < static_cast<int>(item.Steps.size()); ++k)
                files.push_back(history_->StepFileName(id, k));
        for (const TRecycleItem& item : history_->RecycleBin().Items())
            files.push_back(item.FileName);
        history_.reset();
        for (const std::string& file : files)
            EXPECT_FALSE(fs::exists(file)) << file;
    }

private:
    int Pick(int n) { return n <= 0 ? 0 : static_cast<int>(rng_() % static_cast<unsigned>(n)); }
    TIconImage* Active() { return active_ >= 0 ? &images_[static_cast<std::size_t>(active_)] : nullptr; }

    // Mostly the active image; sometimes none or another one, which must never move.
    TIconImage* Argument()
    {
        const int choice = Pick(10);
        argument_ = choice == 0   ? nullptr
                    : choice == 1 ? &images_[static_cast<std::size_t>(Pick(static_cast<int>(images_.size())))]
                                  : Active();
        return argument_;
    }

    void Record(std::size_t index, const std::string& caption)
    {
        TIconImage& image = images_[index];
        EXPECT_EQ(history_->AddStep(image, caption), diskBroken_ ? -1 : 0);
        ASSERT_NE(image.ImageId, -1);
        ModelItem& item = items_[image.ImageId];
        const std::size_t keep = item.Steps.empty() ? 0 : static_cast<std::size_t>(item.Position) + 1;
        item.Steps.resize(keep);
        item.Steps.push_back({CounterOf(image), caption, !diskBroken_});
        item.Position = static_cast<int>(keep);
        if (!current_)
            current_ = image.ImageId;
    }

    void NewImage()
    {
        const Format f = kFormats[Pick(3)];
        TIconImage image;
        NewIconImage(image, f.Width, f.Height, -1, f.Depth);
        SetCounter(image, ++counter_);
        images_.push_back(std::move(image));
        Record(images_.size() - 1, "New");
        active_ = static_cast<int>(images_.size()) - 1;
    }

    void Edit(int index)
    {
        SetCounter(images_[static_cast<std::size_t>(index)], ++counter_);
        Record(static_cast<std::size_t>(index), "Edit " + std::to_string(counter_));
    }

    // kind: 0 undo, 1 redo, 2 a click on `row`.
    void Move(int kind, const TMoveResult& result, int row = 0)
    {
        TMoveOutcome expected = TMoveOutcome::Nothing;
        ModelItem* item = current_ ? &items_[*current_] : nullptr;
        const int target = item == nullptr ? -1 : kind == 0 ? item->Position - 1 : kind == 1 ? item->Position + 1 : row;
        if (item != nullptr && target >= 0 && target < static_cast<int>(item->Steps.size()) &&
            target != item->Position && argument_ != nullptr && argument_->ImageId == *current_)
            expected = diskBroken_ || !item->Steps[static_cast<std::size_t>(target)].Readable ? TMoveOutcome::Failed
                                                                                         : TMoveOutcome::Moved;
        ASSERT_EQ(result.Outcome, expected) << "op " << ops_ << " kind " << kind << " target " << target;
        EXPECT_EQ(result.Message.empty(), expected != TMoveOutcome::Failed);
        if (expected == TMoveOutcome::Moved)
            item->Position = target;
    }

    void Show(int index)
    {
        active_ = index;
        history_->ShowImageHistory(Active());
        current_.reset();
        if (Active() != nullptr && items_.count(Active()->ImageId) != 0)
            current_ = Active()->ImageId;
    }

    // The active image leaves its document: into the recycle bin, or closed with its history.
    void RemoveImage(bool recycle)
    {
        if (active_ < 0)
            return;
        TIconImage& image = images_[static_cast<std::size_t>(active_)];
        if (recycle) {
            ASSERT_EQ(history_->RecycleImage(image), 0);
            bin_.push_back(ModelRecycled{Format{image.Width, image.Height, image.ColorDepth}, CounterOf(image)});
        } else {
            history_->DiscardImageHistory(image);
            const ModelItem& item = items_[image.ImageId];
            for (std::size_t k = 0; k < item.Steps.size() && !diskBroken_; ++k)
                EXPECT_FALSE(fs::exists(history_->StepFileName(image.ImageId, static_cast<int>(k))));
            items_.erase(image.ImageId);
            current_.reset();
        }
        images_.erase(images_.begin() + active_);
        if (images_.empty())
            NewImage();
        Show(0);
    }

    void Restore(int row)
    {
        const bool noDocument = Pick(8) == 0;
        TRestoreResult result = history_->RestoreRecycled(row, noDocument ? nullptr : &images_);
        if (noDocument || row < 0 || row >= static_cast<int>(bin_.size())) {
            EXPECT_EQ(result.Outcome, TRestoreOutcome::Nothing);
            return;
        }
        const ModelRecycled r = bin_[static_cast<std::size_t>(row)];
        const bool exists = std::any_of(images_.begin(), images_.end(), [&](const TIconImage& i) {
            return i.Width == r.Fmt.Width && i.Height == r.Fmt.Height && i.ColorDepth == r.Fmt.Depth;
        });
        const TRestoreOutcome expected = exists        ? TRestoreOutcome::FormatExists
                                         : !r.Readable ? TRestoreOutcome::Unreadable
                                                       : TRestoreOutcome::Restored;
        ASSERT_EQ(result.Outcome, expected);
        if (expected != TRestoreOutcome::Restored)
            return;
        EXPECT_EQ(CounterOf(result.Image), r.Counter);
        EXPECT_EQ(result.Image.ImageId, -1);
        bin_.erase(bin_.begin() + row);
        if (images_.size() < 4) {
            images_.push_back(std::move(result.Image));
            Record(images_.size() - 1, "New");
        }
    }

    // A step file of the listed image, or a recycled file, is deleted or overwritten behind the
    // history's back.
    void Damage()
    {
        if (Pick(3) == 0 && !bin_.empty()) {
            const int row = Pick(static_cast<int>(bin_.size()));
            Scribble(history_->RecycleBin().Items()[static_cast<std::size_t>(row)].FileName);
            bin_[static_cast<std::size_t>(row)].Readable = false;
            return;
        }
        if (!current_ || diskBroken_)
            return;
        ModelItem& item = items_[*current_];
        const int k = Pick(static_cast<int>(item.Steps.size()));
        const std::string file = history_->StepFileName(*current_, k);
        const auto other = std::find_if(items_.begin(), items_.end(),
                                        [&](const auto& entry) { return entry.first != *current_ && entry.second.Steps[0].Readable; });
        const int how = Pick(3);
        if (how == 0)
            fs::remove(file);
        else if (how == 1 || other == items_.end())
            Scribble(file);
        else // a well-formed file of another image
            fs::copy_file(history_->StepFileName(other->first, 0), file, fs::copy_options::overwrite_existing);
        item.Steps[static_cast<std::size_t>(k)].Readable = false;
    }

    // The history directory becomes a plain file: nothing can be written or read there.
    void ToggleDisk()
    {
        const std::string dir = work_.subdirectory("history");
        const std::string path = dir.substr(0, dir.size() - 1);
        if (!diskBroken_) {
            fs::rename(path, path + ".away");
            Scribble(path);
        } else {
            fs::remove(path);
            fs::rename(path + ".away", path);
        }
        diskBroken_ = !diskBroken_;
    }

    void Check()
    {
        const THistoryImageItem* listed = history_->CurrentItem();
        ASSERT_EQ(listed != nullptr, current_.has_value()) << "op " << ops_;
        EXPECT_EQ(history_->Items().size(), items_.size());
        for (const TIconImage& image : images_) {
            const auto it = items_.find(image.ImageId);
            ASSERT_NE(it, items_.end());
            EXPECT_EQ(CounterOf(image), it->second.Steps[static_cast<std::size_t>(it->second.Position)].State);
        }
        if (!current_) {
            EXPECT_TRUE(history_->Rows().empty());
            EXPECT_EQ(history_->SelectedRow(), -1);
            EXPECT_FALSE(history_->CanUndo() || history_->CanRedo());
        } else {
            const ModelItem& item = items_[*current_];
            const int count = static_cast<int>(item.Steps.size());
            EXPECT_EQ(listed->ImageId, *current_);
            ASSERT_EQ(listed->Count(), count);
            ASSERT_EQ(listed->Position, item.Position);
            ASSERT_TRUE(0 <= listed->Position && listed->Position < count);
            EXPECT_EQ(history_->SelectedRow(), item.Position);
            EXPECT_EQ(history_->CanUndo(), item.Position > 0);
            EXPECT_EQ(history_->CanRedo(), item.Position < count - 1);
            const std::vector<THistoryRow> rows = history_->Rows();
            ASSERT_EQ(static_cast<int>(rows.size()), count);
            for (int k = 0; k < count; ++k) {
                EXPECT_EQ(rows[static_cast<std::size_t>(k)].Caption, item.Steps[static_cast<std::size_t>(k)].Caption);
                EXPECT_EQ(rows[static_cast<std::size_t>(k)].Done, k <= item.Position);
            }
        }
        ASSERT_EQ(history_->RecycleBin().Items().size(), bin_.size());
    }

    // Every step file that should be readable decodes to the state its step records.
    void CheckFiles()
    {
        if (diskBroken_)
            return;
        for (const auto& [id, item] : items_)
            for (std::size_t k = 0; k < item.Steps.size(); ++k) {
                if (!item.Steps[k].Readable)
                    continue;
                TIconImage stored;
                ASSERT_EQ(TIconFileAccess().LoadSnapshot(stored, history_->StepFileName(id, static_cast<int>(k))), 0);
                EXPECT_EQ(stored.ImageId, id);
                EXPECT_EQ(CounterOf(stored), item.Steps[k].State);
            }
    }

    std::mt19937 rng_;
    test::TempDir temp_;
    PrivateWorkDir work_{temp_.file("")};
    std::unique_ptr<TUndoHistory> history_ =
        std::make_unique<TUndoHistory>(work_.subdirectory("history"), work_.subdirectory("recycle"));
    TIconImageArray images_; // the open images, all in one document
    int active_ = -1;
    std::map<std::int32_t, ModelItem> items_;
    std::optional<std::int32_t> current_;
    std::vector<ModelRecycled> bin_;
    int counter_ = 0;
    int ops_ = 0;
    TIconImage* argument_ = nullptr; // what the last move was given
    bool diskBroken_ = false;
};

TEST(UndoHistory, FollowsAReferenceModelThroughRandomEdits)
{
    for (unsigned seed : {1u, 7u, 2026u}) {
        SCOPED_TRACE(seed);
        HistoryModel model(seed);
        for (int op = 0; op < 1500 && !testing::Test::HasFatalFailure(); ++op)
            model.Step();
        model.Finish();
    }
}

TEST(UndoHistory, StepTimesUseTwelveHourClock)
{
    const std::pair<TClockTime, const char*> times[] = {{{0, 5}, "12:05 am"}, {{12, 0}, "12:00 pm"}};
    for (const auto& [time, text] : times)
        EXPECT_EQ(FormatStepTime(time), text);
}

} // namespace
} // namespace ormel
