// Linked with every object of tagloom_core and nothing of the user interface:
// that it links at all is the check.
int main()
{
    return 0;
}
