// The batch tool's help: the whole of it for `pixmora-cli --help`, the apply
// part for `pixmora-cli apply --help`.
#pragma once

namespace pixmora::cli {

inline constexpr const char* kUsageText = R"HELP(Usage:
  pixmora-cli list [--inputs]
  pixmora-cli apply IMAGE_A OUTPUT OP [OP ...] [options]
  pixmora-cli apply --recipe FILE IMAGE_A OUTPUT [OP ...] [options]
  pixmora-cli apply --out-dir DIR [--format EXT] [--overwrite] IMAGE... -- OP [OP ...] [options]
  pixmora-cli apply --recipe FILE --out-dir DIR [--format EXT] [--overwrite] IMAGE...
  pixmora-cli --version

list    prints every command of the five operation menus, one a line:
        MENU:INDEX<TAB>CAPTION<TAB>KEY, MENU being color, mix, filters,
        special or effects and INDEX the entry's place in its menu, counted
        from 0 with the separators; KEY is the command's permanent name
        (e.g. image-negative), which recipes use. With --inputs a fourth
        column names the options the command reads (e.g. strength,image-b;
        - for none).

)HELP";

inline constexpr const char* kApplyHelpText = R"HELP(apply   opens IMAGE_A and runs each OP on it exactly as the editor's menu
        command does; an OP right after another works on that one's result,
        as File > Save > "Load image (A)" does. The last result is written to
        OUTPUT at 24 bits a pixel, in the format its extension names:
        .bmp, .jpg, .jpeg, .png, .tif or .tiff; a result with transparency
        (image A's) goes into a PNG or TIFF at 32 bits with it, and loses it
        in a BMP or JPEG (see flatten and --flatten).

apply --recipe FILE
        replays a recipe the editor saved (Edit > Save recipe...), with
        IMAGE_A in place of the picture it was made from, and writes OUTPUT
        as the editor's "Save file" does (resolution 0; a JPEG is compressed
        twice), so the two files are the same. Any OP given too runs after
        the recipe.

apply --out-dir
        runs the same commands (or recipe) on every IMAGE and writes each
        result into DIR (made when missing) under the picture's own name, with
        the extension EXT (bmp, jpg, png or tif) or else the picture's own
        (png when that is not one of them); names that two pictures share get
        a number (x-2.png). A result that would replace one of the pictures
        is refused unless --overwrite is given. Several pictures run at once;
        each starts as the editor does after a start, so the results do not
        depend on the order. A picture that fails does not stop the others; a
        summary of the failures ends the run, with exit status 1. Notes name
        their picture.

OP      a command's KEY (e.g. grayscale), its caption in any letter case
        (e.g. "Grayscale"), its MENU:INDEX (e.g. color:21), or rotate:N, the rotation slider at value N
        (-8..8, N x 45 degrees), or one of the Image menu's commands, each
        made from image A:
          crop=X,Y,W,H  crop=selection  (the selection's box)
          resize=W,H  (one of them 0 keeps the proportions)  resize=N%
          flip=horizontal  flip=vertical  turn=left  turn=right
          flatten  (image A laid onto colour 2, opaque)
        Between the OPs these words change what the OPs after them read:
          color1=R,G,B  color2=R,G,B  strength=N  size=N
          image-b=FILE  pattern=FILE  shape=FILE  image-a=FILE
          image-a=result  image-b=result  (the last result handed on, as
                        File > Save > "Load image (A)/(B)" does)
          random=N      the random source at N values drawn since the start,
                        for the next OP (recipes made in the editor record it)
          back-colour=R,G,B  the result's back colour for the next OP, in
                        place of the colour scheme's (recipes made in the
                        editor record it where the result shows it)
          select=X,Y,W,H  select=ellipse:X,Y,W,H  (the part a command
                        changes; pixels from the top-left corner, or N% of
                        image A's width or height)
          select=none  select=invert  feather=N  (0..64 pixels; 0 when
                        not given)  filter=NAME  (box, bilinear, bspline,
                        bicubic, catmull-rom or lanczos3, for resize;
                        bspline when not given)
        and these how OUTPUT is written (the options below win over them):
          quality=N  compression=C
        A selection or a crop that does not fit a picture fails it (exit
        status 1); nothing runs on the whole picture instead.

Options (the editor's start values when left out):
  --color1 R,G,B    colour 1 (0,0,0)
  --color2 R,G,B    colour 2 (255,255,255)
  --strength N      strength 1..10 (5)
  --size N          size 1..10 (5)
  --image-b FILE    image B (none)
  --pattern FILE    the pattern (the data folder's supporto/xxx.bmp, else the
                    shipped one)
  --shape FILE      the shape picture (supporto/albero.bmp, likewise)
  --recipe FILE     a recipe to replay (see above)
  --quality N       JPEG quality of OUTPUT, 1..100 (75)
  --compression C   PNG compression of OUTPUT: fast, default or best
                    (default)
  --flatten R,G,B   lay the result onto this colour before writing OUTPUT,
                    opaque (for a BMP or JPEG of a transparent picture)
  --editor-save     write OUTPUT as the editor's "Save file" does (resolution
                    0; a JPEG is compressed twice), as a recipe's replay does,
                    so the two files are the same
  --overwrite       let the result replace IMAGE_A (through a symbolic link
                    to it, the link kept); without it an OUTPUT that is any
                    file the run reads, by whatever name or link, is refused
                    (exit status 2) and left as it was
  --timings         print on stderr the time spent decoding the pictures,
                    running the commands, publishing each result and
                    encoding OUTPUT
  --help            this text

Files: the data folder is $XDG_DATA_HOME/VARDELO24/ ($HOME/.local/share when
XDG_DATA_HOME is unset); the batch tool reads its pattern, shape and colour
scheme there and writes nothing there. A cleared result takes the back
colour of color_menu.cff (0x212121 without one). Working files go to a
folder of the run's own, removed when it ends (also by Ctrl+C).

A note on stderr tells of anything that did not stop the run: a value no
command reads, a missing default pattern or shape, a truncated picture.

Exit status: 0 done; 1 a picture could not be read, a selection or crop
did not fit it, a size was refused, or OUTPUT could not be written; 2 a
usage error (unknown OP, a separator, a value out of range, a
command that needs image B without one). Either way one line on stderr says
what was wrong, and OUTPUT is not left half-written.

Examples:
  pixmora-cli apply photo.jpg grey.png Grayscale "Add hor. blinds" --strength 8
  pixmora-cli apply photo.jpg mix.png Fog image-b=result strength=3 "Image mixing with A-B"
  pixmora-cli apply --out-dir done --format png holiday/*.jpg -- Fog rotate:1
  pixmora-cli apply photo.jpg part.png select=ellipse:10%,10%,80%,80% feather=16 Grayscale
  pixmora-cli apply --out-dir small holiday/*.jpg -- turn=right resize=50%
  pixmora-cli apply --recipe sepia.recipe --out-dir done holiday/*.jpg
)HELP";

}  // namespace pixmora::cli
