#!/usr/bin/env python3
"""Twenty made characters of level 5: each one's `character show --json` fits the schema in
docs/ and carries the numbers `character show` prints. Arguments: fraymark, source dir."""
import json, pathlib, shutil, subprocess, sys, tempfile

import jsonschema

fraymark, source = str(pathlib.Path(sys.argv[1]).resolve()), pathlib.Path(sys.argv[2])
validator = jsonschema.Draft202012Validator(json.loads((source / "docs/character.schema.json").read_text()))
with tempfile.TemporaryDirectory() as work:
    shutil.copytree(source / "gamedata", work, dirs_exist_ok=True)
    run = lambda *args: subprocess.run([fraymark, *args], cwd=work, check=True, capture_output=True, text=True).stdout
    files = [line.split("\t")[4] for line in run("generate", "--clock", "11", "--count", "20", "--level", "5").splitlines()]
    assert len(files) == 20, files
    for file in files:
        character, shown = json.loads(run("character", "show", file, "--json")), set(run("character", "show", file).splitlines())
        validator.validate(character)
        expected = [f"{key}: {value}" for key, value in character.items() if type(value) is int]
        for i, entry in enumerate(character["classes"]):
            expected += [f"classes[{i}].{key}: {entry[key]}" for key in ("name", "experience", "level")]
            expected.append(f"classes[{i}].hitpoints: " + " ".join(map(str, entry["hitpoints"])))
        missing = [line for line in expected if line not in shown]
        assert not missing and character["hit_points"] > 0, f"{file}: {missing}"
print("20 characters fit the schema")
