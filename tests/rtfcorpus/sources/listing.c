/* Counts the words of its input. */
#include <stdio.h>

int main(void)
{
    int c, words = 0, inWord = 0;
    while ((c = getchar()) != EOF) {
        if (c == ' ' || c == '\n' || c == '\t')
            inWord = 0;
        else if (!inWord) {
            inWord = 1;
            ++words;
        }
    }
    printf("%d\n", words);
    return 0;
}
