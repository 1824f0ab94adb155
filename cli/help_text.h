#pragma once

namespace pixmora::cli {

inline constexpr const char* kHelpText = R"HELP(Usage:
  pixmora-cli list [--inputs]
  pixmora-cli apply IMAGE_A OUTPUT OP [OP ...] [options]
  pixmora-cli apply --out-dir DIR [--format EXT] IMAGE... -- OP [OP ...] [options]

list [--inputs]
        prints every command of the five operation menus, one a line:
        MENU:INDEX<TAB>CAPTION, MENU being color, mix, filters, special or
        effects and INDEX the entry's place in its menu, counted from 0 with
        the separators. With --inputs a third column names the options the
        command reads (e.g. strength,image-b; - for none).

apply   opens IMAGE_A and runs each OP on it exactly as the editor's menu
        command does; every OP after the first works on the previous result,
        as File > Save > "Load image (A)" does. The last result is written to
        OUTPUT at 24 bits a pixel, in the format its extension names:
        .bmp, .jpg, .jpeg, .png, .tif or .tiff.

apply --out-dir
        runs the same commands on every IMAGE and writes each result into
        DIR (made when missing) under the picture's own name, with the
        extension EXT (bmp, jpg, png or tif) or else the picture's own (png
        when that is not one of them). Several pictures run at once; each
        starts as the editor does after a start, so the results do not depend
        on the order. A picture that fails does not stop the others; a
        summary of the failures ends the run, with exit status 1.

OP      MENU:INDEX (e.g. color:21), a caption in any letter case
        (e.g. "Grayscale"), or rotate:N, the rotation slider at value N
        (N x 45 degrees).

Options (the editor's start values when left out):
  --color1 R,G,B    colour 1 (0,0,0)
  --color2 R,G,B    colour 2 (255,255,255)
  --strength N      strength 1..10 (5)
  --size N          size 1..10 (5)
  --image-b FILE    image B (none)
  --pattern FILE    the pattern (the data folder's supporto/xxx.bmp)
  --shape FILE      the shape picture (the data folder's supporto/albero.bmp)
  --timings         print on stderr the time spent decoding the pictures,
                    running the commands, publishing each result (ps.bmp and
                    the preview) and encoding OUTPUT

Files: the data folder is $XDG_DATA_HOME/VARDELO24/ ($HOME/.local/share when
XDG_DATA_HOME is unset); each command also leaves its result there as ps.bmp,
as the editor does. A cleared result takes the back colour of the data
folder's color_menu.cff (0x212121 without one).

Exit status: 0 done; 1 a picture could not be read or OUTPUT could not be
written; 2 a usage error (unknown OP, a separator, a value out of range).
Either way one line on stderr says what was wrong, and OUTPUT is not left
half-written.

Examples:
  pixmora-cli apply photo.jpg grey.png Grayscale "Add hor. blinds" --strength 8
  pixmora-cli apply --out-dir done --format png holiday/*.jpg -- Fog rotate:1
)HELP";

}  // namespace pixmora::cli
