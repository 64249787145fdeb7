// Parameter "Get" and "Put": the machine's parameter area saved to a file as an opaque byte
// image, and such an image loaded back into the machine. The tool never looks inside.
#pragma once

#include <functional>

#include "../../seams/page_files.h"
#include "../../seams/page_seams.h"
#include "../../seams/window_seams.h"

// The hourglass while a transfer blocks the window: Begin shows it, End brings the previous
// cursor back.
class IBusyCursor {
 public:
  virtual ~IBusyCursor() {}
  virtual void Begin() = 0;
  virtual void End() = 0;
};

class CParameterTransfer {
 public:
  // The largest parameter area and parameter file the tool handles.
  static constexpr int kAreaLimit = 10000;

  CParameterTransfer(ControllerSource source, IFileBoxes& fileBoxes, IPageFiles& files,
                     IPageBoxes& boxes, ILogSink& log, IBusyCursor& cursor)
      : source_(source), fileBoxes_(fileBoxes), files_(files), boxes_(boxes), log_(log),
        cursor_(cursor) {}

  // Each is true when the transfer was done: the file written, or the machine took the image.
  bool Get();
  bool Put();

 private:
  // Sends the image; false when the machine refused it.
  bool Send(const std::vector<uint8_t>& image);

  ControllerSource source_;
  IFileBoxes& fileBoxes_;
  IPageFiles& files_;
  IPageBoxes& boxes_;
  ILogSink& log_;
  IBusyCursor& cursor_;
};
