#!/usr/bin/env python3
"""Writes the two test-cut programs that the tool carries as resources of type "CutData".

Each program drills at a start point and at a second point 10000 program units (100 mm) away,
a shallow and a deep plunge at each, along +X (cutdata_x.bin) or along -Y (cutdata_y.bin).
The machine gets the bytes unchanged: CR LF line ends, the blanks before ";" and seven empty
lines at the end belong to the program. Run once; the outputs are committed.
"""
import pathlib

PREAMBLE = ["!mc0;", "!vz1;", "pu0,1000;", "!rc7000;", "!mc1;"]


def plunges(point):
    return [
        f"!vz10;!zz{point}, 0 ;",
        f"!vz1;!zz{point},-10 ;",
        f"!vz10;!zz{point}, 0 ;",
        f"!vz1;!zz{point},-500 ;",
        f"!vz10;!zz{point}, 0 ;",
    ]


def program(second_point):
    lines = PREAMBLE + plunges("0,0") + plunges(second_point) + ["!vz10;!zz0,0, 0 ;", "!mc0;"]
    lines += [""] * 7
    return "".join(line + "\r\n" for line in lines).encode("ascii")


def main():
    here = pathlib.Path(__file__).resolve().parent
    (here / "cutdata_x.bin").write_bytes(program("10000,0"))
    (here / "cutdata_y.bin").write_bytes(program("0,-10000"))


if __name__ == "__main__":
    main()
