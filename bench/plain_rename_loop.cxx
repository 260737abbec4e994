// The yardstick: a plain C loop that renames every file of a folder from "fileN" to "renamedN".
#include <dirent.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    const std::string dir = std::string(argv[1]) + "/";
    std::vector<std::string> names;
    DIR* d = opendir(argv[1]);
    if (!d)
        return 1;
    while (const dirent* e = readdir(d))
        if (strncmp(e->d_name, "file", 4) == 0)
            names.emplace_back(e->d_name);
    closedir(d);
    for (const std::string& n : names)
        if (rename((dir + n).c_str(), (dir + "renamed" + n.substr(4)).c_str()) != 0)
            return 1;
    return 0;
}
