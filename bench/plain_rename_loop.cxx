// The floor of the whole-process figure: a plain C loop that enters the folder and renames every
// file there from "fileN" to "renamedN" by its bare name.
#include <dirent.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2 || chdir(argv[1]) != 0)
        return 2;
    std::vector<std::string> names;
    DIR* d = opendir(".");
    if (!d)
        return 1;
    while (const dirent* e = readdir(d))
        if (strncmp(e->d_name, "file", 4) == 0)
            names.emplace_back(e->d_name);
    closedir(d);
    std::string to;
    for (const std::string& n : names) {
        to.assign("renamed").append(n, 4, std::string::npos);
        if (rename(n.c_str(), to.c_str()) != 0)
            return 1;
    }
    return 0;
}
